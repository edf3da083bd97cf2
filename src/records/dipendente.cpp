#include "dipendente.h"

#include "config.h"
#include "datetesto.h"
#include "decimali.h"
#include "ferie.h"
#include "filesicuri.h"
#include "movimenti.h"
#include "orologio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct CampoTesto
{
    const char* chiave;
    QString DatiDipendente::*membro;
};

// Text fields of rows 1-12 of the file, in their order.
const CampoTesto kTestiAnagrafici[] = {
    {"nome", &DatiDipendente::nome},
    {"cognome", &DatiDipendente::cognome},
    {"dataNascita", &DatiDipendente::dataNascita},
    {"sesso", &DatiDipendente::sesso},
    {"statoCivile", &DatiDipendente::statoCivile},
    {"nazionalita", &DatiDipendente::nazionalita},
    {"indirizzo", &DatiDipendente::indirizzo},
    {"cap", &DatiDipendente::cap},
    {"localita", &DatiDipendente::localita},
    {"cantone", &DatiDipendente::cantone},
    {"numeroAVS", &DatiDipendente::numeroAVS},
    {"permessoLavoro", &DatiDipendente::permessoLavoro},
};

// Text fields written after the degree of employment (rows 18-27).
const CampoTesto kTestiRapporto[] = {
    {"professione", &DatiDipendente::professione},
    {"statoCivileDal", &DatiDipendente::statoCivileDal},
    {"cellulare", &DatiDipendente::cellulare},
    {"email", &DatiDipendente::email},
    {"attivitaPrincipaleSecondaria", &DatiDipendente::attivitaPrincipaleSecondaria},
    {"altriDatori", &DatiDipendente::altriDatori},
    {"prestazioniAIADINF", &DatiDipendente::prestazioniAIADINF},
    {"attivitaIndipendente", &DatiDipendente::attivitaIndipendente},
    {"ccl", &DatiDipendente::ccl},
    {"categoriaCcl", &DatiDipendente::categoriaCcl},
};

// Payment texts (rows 32-36).
const CampoTesto kTestiPagamento[] = {
    {"modalitaPagamento", &DatiDipendente::modalitaPagamento},
    {"iban", &DatiDipendente::iban},
    {"intestatarioConto", &DatiDipendente::intestatarioConto},
    {"banca", &DatiDipendente::banca},
    {"bicSwift", &DatiDipendente::bicSwift},
};

// The fourteen child keys in the order they are written.
enum class TipoCampoFiglio { Testo, Flag };
struct CampoFiglio
{
    const char* chiave;
    TipoCampoFiglio tipo;
    QString Figlio::*testo;
    bool Figlio::*flag;
};

const CampoFiglio kCampiFiglio[] = {
    {"nome", TipoCampoFiglio::Testo, &Figlio::nome, nullptr},
    {"cognome", TipoCampoFiglio::Testo, &Figlio::cognome, nullptr},
    {"dataNascita", TipoCampoFiglio::Testo, &Figlio::dataNascita, nullptr},
    {"sesso", TipoCampoFiglio::Testo, &Figlio::sesso, nullptr},
    {"statoCivile", TipoCampoFiglio::Testo, &Figlio::statoCivile, nullptr},
    {"nazionalita", TipoCampoFiglio::Testo, &Figlio::nazionalita, nullptr},
    {"viveConDipendente", TipoCampoFiglio::Flag, nullptr, &Figlio::viveConDipendente},
    {"residenzaSeNonConvive", TipoCampoFiglio::Testo, &Figlio::residenzaSeNonConvive, nullptr},
    {"parentela", TipoCampoFiglio::Testo, &Figlio::parentela, nullptr},
    {"incapacitaGuadagno", TipoCampoFiglio::Flag, nullptr, &Figlio::incapacitaGuadagno},
    {"agliStudi", TipoCampoFiglio::Flag, nullptr, &Figlio::agliStudi},
    {"corsoStudi", TipoCampoFiglio::Testo, &Figlio::corsoStudi, nullptr},
    {"fineCicloStudi", TipoCampoFiglio::Testo, &Figlio::fineCicloStudi, nullptr},
    {"redditoAVS", TipoCampoFiglio::Flag, nullptr, &Figlio::redditoAVS},
};

QString numero2(double v)
{
    return Decimali::testo(v);
}

// Collects the lines of a file and remembers which keys were written, so an
// extra key can never repeat (and on reload override) a key of the record.
class Scrittore
{
public:
    void riga(const QString& chiave, const QString& valore, bool ancheVuoto = false)
    {
        scritte.insert(chiave);
        if (valore.isEmpty() && !ancheVuoto)
            return;
        testo += chiave + QLatin1Char('=') + FileSicuri::unaRiga(valore) + QLatin1Char('\n');
    }
    QSet<QString> scritte;
    QString testo;
};

bool chiaveScrivibile(const QString& chiave)
{
    if (chiave.trimmed().isEmpty() || chiave.trimmed() != chiave)
        return false;
    return !chiave.contains(QLatin1Char('=')) && FileSicuri::unaRiga(chiave) == chiave;
}

QDate leggiData(const QString& testo)
{
    return DateTesto::daGiornoMeseAnno(testo);
}

// The lines of a record by key, as its file holds them; the lines of the
// employment periods and of the children each under one key of their own.
QMap<QString, QString> righePerCampo(const DatiDipendente& d)
{
    QMap<QString, QString> righe;
    const QStringList testo = QString::fromUtf8(Dipendente::serializza(d)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    static const QRegularExpression periodo(QStringLiteral("^(nPeriodi|periodo\\d+_)"));
    static const QRegularExpression figlio(QStringLiteral("^(figli_count|figlio\\d+_)"));
    for (const QString& riga : testo) {
        QString campo = riga.left(riga.indexOf(QLatin1Char('=')));
        if (periodo.match(campo).hasMatch())
            campo = QStringLiteral("periodi");
        else if (figlio.match(campo).hasMatch())
            campo = QStringLiteral("figli");
        righe[campo] += riga + QLatin1Char('\n');
    }
    return righe;
}

} // namespace

bool Figlio::operator==(const Figlio& o) const
{
    for (const CampoFiglio& c : kCampiFiglio) {
        if (c.tipo == TipoCampoFiglio::Testo ? this->*c.testo != o.*c.testo : this->*c.flag != o.*c.flag)
            return false;
    }
    return true;
}

bool DatiDipendente::operator==(const DatiDipendente& o) const
{
    for (const CampoTesto& c : kTestiAnagrafici)
        if (this->*c.membro != o.*c.membro) return false;
    for (const CampoTesto& c : kTestiRapporto)
        if (this->*c.membro != o.*c.membro) return false;
    for (const CampoTesto& c : kTestiPagamento)
        if (this->*c.membro != o.*c.membro) return false;
    return periodi == o.periodi && tipoContratto == o.tipoContratto
        && mensilitaAggiuntive == o.mensilitaAggiuntive && gradoOccupazione == o.gradoOccupazione
        && figli == o.figli && salarioMensile == o.salarioMensile && lppManuale == o.lppManuale
        && pagaOraria == o.pagaOraria && tipoPaga == o.tipoPaga && bancaEstera == o.bancaEstera
        && extra == o.extra;
}

QString Dipendente::percorsoFile(const QString& id)
{
    if (id.startsWith(QLatin1Char('/')))
        return id;
    return Config::cartellaDipendenti() + QLatin1Char('/') + id;
}

bool Dipendente::idValido(const QString& id)
{
    return id.startsWith(QLatin1Char('/')) || FileSicuri::nomeSicuro(id);
}

QByteArray Dipendente::serializza(const DatiDipendente& d)
{
    Scrittore s;
    for (const CampoTesto& c : kTestiAnagrafici)
        s.riga(QLatin1String(c.chiave), d.*c.membro);
    s.riga(QStringLiteral("nPeriodi"), QString::number(d.periodi.size()), true);
    for (int i = 0; i < d.periodi.size(); ++i) {
        const QString prefisso = QStringLiteral("periodo%1_").arg(i + 1);
        s.riga(prefisso + QStringLiteral("entrata"), d.periodi.at(i).entrata);
        s.riga(prefisso + QStringLiteral("uscita"), d.periodi.at(i).uscita);
    }
    s.riga(QStringLiteral("tipoContratto"), d.tipoContratto);
    s.riga(QStringLiteral("mensilitaAggiuntive"), QString::number(d.mensilitaAggiuntive));
    s.riga(QStringLiteral("gradoOccupazione"), QString::number(d.gradoOccupazione));
    for (const CampoTesto& c : kTestiRapporto)
        s.riga(QLatin1String(c.chiave), d.*c.membro);
    s.riga(QStringLiteral("salarioMensile"), numero2(d.salarioMensile));
    s.riga(QStringLiteral("lppManuale"), numero2(d.lppManuale));
    s.riga(QStringLiteral("pagaOraria"), numero2(d.pagaOraria));
    s.riga(QStringLiteral("tipoPaga"), QString::number(d.tipoPaga));
    for (const CampoTesto& c : kTestiPagamento)
        s.riga(QLatin1String(c.chiave), d.*c.membro);
    s.riga(QStringLiteral("bancaEstera"), d.bancaEstera ? QStringLiteral("1") : QStringLiteral("0"));
    s.riga(QStringLiteral("figli_count"), QString::number(d.figli.size()), true);
    for (int i = 0; i < d.figli.size(); ++i) {
        const Figlio& f = d.figli.at(i);
        const QString prefisso = QStringLiteral("figlio%1_").arg(i);
        for (const CampoFiglio& c : kCampiFiglio) {
            const QString valore = c.tipo == TipoCampoFiglio::Testo
                ? f.*c.testo
                : (f.*c.flag ? QStringLiteral("1") : QStringLiteral("0"));
            s.riga(prefisso + QLatin1String(c.chiave), valore);
        }
    }
    for (auto it = d.extra.cbegin(); it != d.extra.cend(); ++it) {
        // A key the record wrote itself, or one that would break the line
        // format, is never written from the map.
        if (s.scritte.contains(it.key()) || !chiaveScrivibile(it.key()))
            continue;
        s.riga(it.key(), it.value());
    }
    return s.testo.toUtf8();
}

DatiDipendente Dipendente::deserializza(const QByteArray& contenuto, QStringList* problemi)
{
    DatiDipendente d;
    QStringList scartati;
    QMap<QString, QString> resto;
    QHash<QString, QString*> testi;
    for (const CampoTesto& c : kTestiAnagrafici)
        testi.insert(QLatin1String(c.chiave), &(d.*c.membro));
    for (const CampoTesto& c : kTestiRapporto)
        testi.insert(QLatin1String(c.chiave), &(d.*c.membro));
    for (const CampoTesto& c : kTestiPagamento)
        testi.insert(QLatin1String(c.chiave), &(d.*c.membro));
    testi.insert(QStringLiteral("tipoContratto"), &d.tipoContratto);

    // A whole number or an amount within its field's range; anything else
    // reads as 0 and is reported. An empty value is 0, as it always was.
    auto intero = [&scartati](const QString& chiave, const QString& valore, int massimo) {
        int v = 0;
        if (!valore.trimmed().isEmpty() && !FileSicuri::intero(valore, 0, massimo, &v))
            scartati.append(chiave);
        return v;
    };
    auto importo = [&scartati](const QString& chiave, const QString& valore) {
        double v = 0.0;
        if (!valore.trimmed().isEmpty() && !FileSicuri::numero(valore, 0.0, FileSicuri::kImportoMassimo, &v))
            scartati.append(chiave);
        return v;
    };

    QString testo = FileSicuri::testo(contenuto);
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1); // a BOM is no part of the first key
    const QStringList righe = testo.split(QLatin1Char('\n'));
    int numero = 0;
    // The record writes every key once: one given again is reported (the
    // last one is read).
    QHash<QString, int> viste;
    for (QString riga : righe) {
        ++numero;
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 1) {
            // A line that is no "key=value" is never dropped unseen.
            if (!riga.trimmed().isEmpty())
                scartati.append(tr("riga %1: \"%2\"").arg(numero).arg(riga.trimmed().left(40)));
            continue;
        }
        const QString chiave = riga.left(uguale).trimmed();
        const QString valore = riga.mid(uguale + 1);
        const auto vista = viste.constFind(chiave);
        if (vista != viste.constEnd())
            scartati.append(tr("riga %1: chiave ripetuta: %2, già alla riga %3").arg(numero).arg(chiave).arg(vista.value()));
        else
            viste.insert(chiave, numero);
        if (QString* campo = testi.value(chiave, nullptr)) {
            *campo = valore;
        } else if (chiave == QLatin1String("mensilitaAggiuntive")) {
            d.mensilitaAggiuntive = intero(chiave, valore, 12);
        } else if (chiave == QLatin1String("gradoOccupazione")) {
            d.gradoOccupazione = intero(chiave, valore, 100);
        } else if (chiave == QLatin1String("tipoPaga")) {
            d.tipoPaga = intero(chiave, valore, 1);
        } else if (chiave == QLatin1String("salarioMensile")) {
            d.salarioMensile = importo(chiave, valore);
        } else if (chiave == QLatin1String("lppManuale")) {
            d.lppManuale = importo(chiave, valore);
        } else if (chiave == QLatin1String("pagaOraria")) {
            d.pagaOraria = importo(chiave, valore);
        } else if (chiave == QLatin1String("bancaEstera")) {
            d.bancaEstera = valore == QLatin1String("1");
        } else {
            resto.insert(chiave, valore);
        }
    }

    // Counts are bounded by what a real record holds (a count above it is
    // cut and reported) and by the lines of the file, which cannot describe
    // more: loading and saving stay linear in the file.
    auto conteggio = [&](const QString& chiave, int limite) {
        const int massimo = int(qMin<qint64>(limite, righe.size()));
        const QString valore = resto.value(chiave);
        if (valore.trimmed().isEmpty())
            return 0;
        int n = 0;
        if (!FileSicuri::intero(valore, 0, limite, &n)) {
            scartati.append(chiave);
            bool ok = false;
            n = valore.trimmed().toLongLong(&ok) > limite && ok ? limite : 0;
        }
        return qMin(n, massimo);
    };

    const int nFigli = conteggio(QStringLiteral("figli_count"), Dipendente::kFigliMassimi);
    for (int i = 0; i < nFigli; ++i) {
        Figlio f;
        const QString prefisso = QStringLiteral("figlio%1_").arg(i);
        for (const CampoFiglio& c : kCampiFiglio) {
            const QString chiave = prefisso + QLatin1String(c.chiave);
            const bool presente = resto.contains(chiave);
            const QString valore = resto.take(chiave);
            if (c.tipo == TipoCampoFiglio::Testo) {
                f.*c.testo = valore;
            } else {
                f.*c.flag = presente ? valore == QLatin1String("1") : c.flag == &Figlio::viveConDipendente;
            }
        }
        if (f.parentela.isEmpty())
            f.parentela = QStringLiteral("F");
        d.figli.append(f);
    }
    resto.remove(QStringLiteral("figli_count"));

    const int nPeriodi = conteggio(QStringLiteral("nPeriodi"), Dipendente::kPeriodiMassimi);
    for (int i = 1; i <= nPeriodi; ++i) {
        PeriodoRapporto p;
        p.entrata = resto.take(QStringLiteral("periodo%1_entrata").arg(i));
        p.uscita = resto.take(QStringLiteral("periodo%1_uscita").arg(i));
        d.periodi.append(p);
    }
    resto.remove(QStringLiteral("nPeriodi"));

    // Older files carried only the date of hire.
    if (d.periodi.isEmpty() && !resto.value(QStringLiteral("dataAssunzione")).isEmpty()) {
        PeriodoRapporto p;
        p.entrata = resto.take(QStringLiteral("dataAssunzione"));
        d.periodi.append(p);
    }
    d.extra = resto;
    if (problemi)
        *problemi = scartati;
    return d;
}

bool Dipendente::carica(const QString& id, DatiDipendente& d, QString* errore)
{
    if (errore)
        errore->clear();
    if (!idValido(id))
        return false;
    const QString percorso = percorsoFile(id);
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore)
            *errore = FileSicuri::messaggio(esito, percorso);
        return false;
    }
    QStringList problemi;
    d = deserializza(contenuto, &problemi);
    if (problemi.isEmpty())
        return true;
    if (errore)
        *errore = tr("Il file %1 contiene valori non validi: %2.").arg(percorso, problemi.join(QStringLiteral(", ")));
    return false;
}

bool Dipendente::salva(const DatiDipendente& d, const QString& id, QString* errore)
{
    auto rifiuta = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return false;
    };
    if (!idValido(id))
        return rifiuta(tr("Codice dipendente non utilizzabile come nome di file."));
    // Nothing is written that carica would report: a salary below 0 or
    // beyond the widest amount, a degree of employment above 100, more
    // children than a record holds...
    const QByteArray dati = serializza(d);
    QStringList problemi;
    deserializza(dati, &problemi);
    if (!problemi.isEmpty()) {
        // A field is named with the value it would be written with.
        QHash<QString, QString> righe;
        for (const QString& riga : FileSicuri::testo(dati).split(QLatin1Char('\n')))
            righe.insert(riga.section(QLatin1Char('='), 0, 0), riga);
        for (QString& p : problemi)
            p = righe.value(p, p);
        return rifiuta(tr("Valori non validi (%1): i dati del dipendente non vengono salvati.")
                           .arg(problemi.join(QStringLiteral(", "))));
    }
    const QString percorso = percorsoFile(id);
    if (!FileSicuri::scrivi(percorso, dati))
        return rifiuta(tr("Impossibile scrivere il file %1.").arg(percorso));
    return true;
}

DatiDipendente Dipendente::unisci(const DatiDipendente& base, const DatiDipendente& nostro,
                                  const DatiDipendente& loro, QStringList* conflitti)
{
    const QMap<QString, QString> b = righePerCampo(base);
    const QMap<QString, QString> n = righePerCampo(nostro);
    const QMap<QString, QString> l = righePerCampo(loro);
    QStringList campi = b.keys() + n.keys() + l.keys();
    campi.removeDuplicates();
    QString unito;
    for (const QString& campo : qAsConst(campi)) {
        const QString delNostro = n.value(campo);
        const QString delLoro = l.value(campo);
        const QString diBase = b.value(campo);
        if (delNostro == diBase) {
            unito += delLoro;
            continue;
        }
        if (delLoro != diBase && delLoro != delNostro && conflitti)
            conflitti->append(campo);
        unito += delNostro;
    }
    return deserializza(unito.toUtf8());
}

QStringList Dipendente::elencoDipendenti(bool soloInForza)
{
    Q_UNUSED(soloInForza); // callers test inForza themselves
    const QDir cartella(Config::cartellaDipendenti());
    const QStringList nomi = cartella.entryList({QStringLiteral("*.txt")}, QDir::Files,
                                                QDir::Name | QDir::IgnoreCase);
    QStringList elenco;
    for (const QString& nome : nomi) {
        if (!nome.startsWith(QLatin1Char('_')))
            elenco.append(nome);
    }
    return elenco;
}

QString Dipendente::etichetta(const QString& id)
{
    DatiDipendente d;
    if (!carica(id, d)) {
        QString nome = id;
        if (nome.endsWith(QLatin1String(".txt")))
            nome.chop(4);
        return nome;
    }
    QString etichetta = d.cognome + QLatin1Char(' ') + d.nome;
    const QDate oggi = Orologio::oggi();
    if (!inForza(d, oggi))
        etichetta += QLatin1Char(' ') + (daAssumere(d, oggi) ? tr("(entrata futura)") : tr("(cessato)"));
    if (!d.numeroAVS.isEmpty())
        etichetta = d.numeroAVS + QStringLiteral(" - ") + etichetta;
    return etichetta;
}

QString Dipendente::nomeCognome(const QString& id)
{
    DatiDipendente d;
    carica(id, d); // what did load still names the person
    const QString nome = (d.nome.trimmed() + QLatin1Char(' ') + d.cognome.trimmed()).trimmed();
    if (!nome.isEmpty())
        return nome;
    QString base = QFileInfo(id).fileName();
    if (base.endsWith(QLatin1String(".txt")))
        base.chop(4);
    return base;
}

bool Dipendente::elimina(const QString& id)
{
    if (!idValido(id))
        return false;
    QFile f(percorsoFile(id));
    return f.exists() && f.remove();
}

bool Dipendente::validaAVS(const QString& numero)
{
    QString cifre;
    for (const QChar c : numero) {
        if (c != QLatin1Char('.') && c != QLatin1Char(' '))
            cifre.append(c);
    }
    if (cifre.size() != 13)
        return false;
    for (const QChar c : cifre) {
        if (!c.isDigit())
            return false;
    }
    // EAN-13 check digit: the first twelve digits weighted 1, 3, 1, 3, ...
    int somma = 0;
    for (int i = 0; i < 12; ++i)
        somma += cifre.at(i).digitValue() * (i % 2 == 0 ? 1 : 3);
    return (10 - somma % 10) % 10 == cifre.at(12).digitValue();
}

bool Dipendente::inForza(const DatiDipendente& d, const QDate& data)
{
    for (const PeriodoRapporto& p : d.periodi) {
        const QDate entrata = leggiData(p.entrata);
        if (!entrata.isValid() || entrata > data)
            continue;
        const QDate uscita = leggiData(p.uscita);
        if (p.uscita.isEmpty() || !uscita.isValid() || uscita >= data)
            return true;
    }
    return false;
}

bool Dipendente::daAssumere(const DatiDipendente& d, const QDate& data)
{
    return std::any_of(d.periodi.cbegin(), d.periodi.cend(), [&](const PeriodoRapporto& p) {
        const QDate entrata = leggiData(p.entrata);
        return entrata.isValid() && entrata > data;
    });
}

int Dipendente::mesiLavorati(const DatiDipendente& d, int anno)
{
    if (d.periodi.isEmpty())
        return 12;
    // Each period's dates read once; each calendar month once, however many
    // periods touch it.
    std::vector<std::pair<QDate, QDate>> date;
    date.reserve(size_t(d.periodi.size()));
    for (const PeriodoRapporto& p : d.periodi)
        date.emplace_back(leggiData(p.entrata), leggiData(p.uscita));
    int mesi = 0;
    for (int m = 1; m <= 12; ++m) {
        const QDate primo(anno, m, 1);
        const QDate ultimo = primo.addDays(primo.daysInMonth() - 1);
        const bool toccato = std::any_of(date.cbegin(), date.cend(), [&](const std::pair<QDate, QDate>& p) {
            const QDate& entrata = p.first;
            const QDate& uscita = p.second;
            return entrata.isValid() && entrata <= ultimo && (!uscita.isValid() || uscita >= primo);
        });
        mesi += toccato ? 1 : 0;
    }
    return mesi;
}

QString Dipendente::dataAssunzione(const DatiDipendente& d)
{
    return d.periodi.isEmpty() ? QString() : d.periodi.first().entrata;
}

QString Dipendente::dataUscita(const DatiDipendente& d, int anno)
{
    // The last exit of the year ends the employment unless a period goes on
    // after it within the year; a period that begins in a later year, even
    // on the next day, is another employment. An exit on 31 December ends
    // the employment within the year too.
    QString testo;
    QDate ultima;
    for (const PeriodoRapporto& p : d.periodi) {
        const QDate uscita = leggiData(p.uscita);
        if (uscita.isValid() && uscita.year() == anno && (!ultima.isValid() || uscita > ultima)) {
            ultima = uscita;
            testo = p.uscita;
        }
    }
    if (!ultima.isValid())
        return QString();
    const QDate fineAnno(anno, 12, 31);
    for (const PeriodoRapporto& p : d.periodi) {
        const QDate entrata = leggiData(p.entrata);
        const QDate uscita = leggiData(p.uscita);
        const bool continua = entrata.isValid() && entrata <= fineAnno
            && (p.uscita.isEmpty() || !uscita.isValid() || uscita > ultima);
        if (continua)
            return QString();
    }
    return testo;
}

void Dipendente::setDataAssunzione(DatiDipendente& d, const QString& data)
{
    if (d.periodi.isEmpty()) {
        PeriodoRapporto p;
        p.entrata = data;
        d.periodi.append(p);
    } else {
        d.periodi.first().entrata = data;
    }
}

namespace {

// What tells two employees' files apart in every per-employee store: the pay
// history turns blanks into "_" and drops ".txt", the others keep the base
// name; letter case is ignored too, as some file systems do.
QString chiaveFile(QString nome)
{
    nome.remove(QStringLiteral(".txt"), Qt::CaseInsensitive);
    nome.replace(QLatin1Char(' '), QLatin1Char('_'));
    return nome.toCaseFolded();
}

// The keys of the names already taken in the data folder: every employee of
// every company and every per-employee file or folder on disk.
QSet<QString> chiaviOccupate()
{
    QSet<QString> occupate;
    const auto aggiungi = [&occupate](const QString& cartella, const QStringList& filtri, QDir::Filters tipo,
                                      const QRegularExpression& forma) {
        const QStringList nomi = QDir(cartella).entryList(filtri, tipo | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& nome : nomi) {
            const QRegularExpressionMatch m = forma.match(nome);
            if (m.hasMatch())
                occupate.insert(chiaveFile(m.captured(1)));
        }
    };
    const QRegularExpression intero(QStringLiteral("^(.+)$"));
    const QRegularExpression testo(QStringLiteral("^(.+)\\.txt$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression ini(QStringLiteral("^(.+)\\.ini$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression annoIni(QStringLiteral("^(.+)_\\d{4}\\.ini$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression certificato(QStringLiteral("^certificato_(.+)_\\d{4}\\.txt$"),
                                         QRegularExpression::CaseInsensitiveOption);

    const QString dati = Config::cartellaDati();
    // The employees of every company, of the flat folder of older versions
    // and of the current company.
    QStringList cartelle = {dati + QStringLiteral("/dipendenti"), Config::cartellaDipendenti()};
    const QDir aziende(dati + QStringLiteral("/aziende"));
    for (const QString& azienda : aziende.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        cartelle << aziende.filePath(azienda) + QStringLiteral("/dipendenti");
    for (const QString& cartella : qAsConst(cartelle))
        aggiungi(cartella, {}, QDir::Files, intero);

    aggiungi(dati + QStringLiteral("/paghe"), {}, QDir::AllEntries, intero);
    aggiungi(dati + QStringLiteral("/variabili"), {}, QDir::Files, annoIni);
    aggiungi(dati + QStringLiteral("/stipendi"), {}, QDir::Files, testo);
    aggiungi(QFileInfo(Movimenti::percorsoFile(QStringLiteral("x"))).path(), {}, QDir::Files, testo);
    aggiungi(Ferie::cartellaFerie(), {}, QDir::Files, ini);
    aggiungi(Config::cartellaDatiPredefinita() + QStringLiteral("/certificati"), {}, QDir::Files, certificato);
    if (QDir::cleanPath(dati) != QDir::cleanPath(Config::cartellaDatiPredefinita()))
        aggiungi(dati + QStringLiteral("/certificati"), {}, QDir::Files, certificato);
    return occupate;
}

// The longest base name an employee's file gets, in UTF-8 bytes: with the
// longest name a store makes of it ("certificato_<base>_<year>.txt") and a
// number suffix it stays far below what file systems allow (255 bytes).
constexpr int kMassimoBase = 120;

// `testo` cut to at most `byte` UTF-8 bytes, never inside a character, with
// no blank, dot or "_" left at its end.
QString taglia(const QString& testo, int byte)
{
    QString r;
    int usati = 0;
    for (int i = 0; i < testo.size(); ++i) {
        const int lunghezza = testo.at(i).isHighSurrogate() && i + 1 < testo.size() ? 2 : 1;
        const int peso = testo.mid(i, lunghezza).toUtf8().size();
        if (usati + peso > byte)
            break;
        r += testo.mid(i, lunghezza);
        usati += peso;
        i += lunghezza - 1;
    }
    while (!r.isEmpty()
           && (r.endsWith(QLatin1Char(' ')) || r.endsWith(QLatin1Char('.')) || r.endsWith(QLatin1Char('_'))))
        r.chop(1);
    return r;
}

} // namespace

QString Dipendente::idLibero(const QString& desiderato)
{
    const bool conEstensione = desiderato.endsWith(QLatin1String(".txt"));
    const QString base = conEstensione ? desiderato.left(desiderato.size() - 4) : desiderato;
    if (base.isEmpty() || desiderato.startsWith(QLatin1Char('/')))
        return desiderato;
    const QString estensione = conEstensione ? QStringLiteral(".txt") : QString();

    const QSet<QString> occupate = chiaviOccupate();
    for (int n = 0;; ++n) {
        const QString suffisso = n == 0 ? QString() : QLatin1Char('_') + QString::number(n);
        QString radice = taglia(base, kMassimoBase - suffisso.size());
        if (radice.isEmpty())
            radice = QStringLiteral("dipendente");
        const QString candidato = radice + suffisso + estensione;
        if (!occupate.contains(chiaveFile(candidato)) && !QFileInfo::exists(percorsoFile(candidato)))
            return candidato;
    }
}
