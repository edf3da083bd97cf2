#include "csvdipendenti.h"

#include "config.h"
#include "dialogofile.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "inputsvizzero.h"
#include "messaggi.h"
#include "orologio.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <QTextStream>

namespace CsvDipendenti {

namespace {

QString tr(const char* testo)
{
    return QCoreApplication::translate("CsvDipendenti", testo);
}

const QString kIntestazione = QStringLiteral(
    "nome,cognome,dataNascita,sesso,statoCivile,nazionalita,"
    "indirizzo,cap,localita,cantone,numeroAVS,permessoLavoro,"
    "dataAssunzione,tipoContratto,mensilitaAggiuntive");

// One field: quotes doubled, the whole field quoted when it holds a comma,
// a quote or a line feed.
QString escape(const QString& testo)
{
    QString t = testo;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    if (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n')))
        return QLatin1Char('"') + t + QLatin1Char('"');
    return t;
}

QStringList campi(const QString& riga)
{
    QStringList risultato;
    QString campo;
    bool virgolette = false;
    for (int i = 0; i < riga.size(); ++i) {
        const QChar c = riga.at(i);
        if (virgolette) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < riga.size() && riga.at(i + 1) == QLatin1Char('"')) {
                    campo += c;
                    ++i;
                } else {
                    virgolette = false;
                }
            } else {
                campo += c;
            }
        } else if (c == QLatin1Char('"')) {
            virgolette = true;
        } else if (c == QLatin1Char(',')) {
            risultato << campo;
            campo.clear();
        } else {
            campo += c;
        }
    }
    risultato << campo;
    return risultato;
}

} // namespace

QString nomeBase(const QString& cognome, const QString& nome)
{
    if (cognome.trimmed().isEmpty())
        return QString();
    QString base = cognome + QLatin1Char('_') + nome;
    for (QChar& c : base) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20
            || c.unicode() == 0x7f)
            c = QLatin1Char('_');
    }
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    return base;
}

bool esporta(const QString& percorso, QStringList* esclusi)
{
    QString testo;
    QTextStream out(&testo);
    out << kIntestazione << '\n';
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        QString errore;
        if (!Dipendente::carica(id, d, &errore)) {
            // Left out, but named: who he is (as far as the file tells) and why.
            if (esclusi) {
                const QString chi = (d.nome + QLatin1Char(' ') + d.cognome).trimmed();
                esclusi->append(tr("%1 (%2): %3").arg(chi.isEmpty() ? id : chi, id, errore));
            }
            continue;
        }
        const QString testi[] = {d.nome,      d.cognome,  d.dataNascita,    d.sesso,
                                 d.statoCivile, d.nazionalita, d.indirizzo, d.cap,
                                 d.localita,  d.cantone,  d.numeroAVS,      d.permessoLavoro,
                                 Dipendente::dataAssunzione(d), d.tipoContratto};
        for (const QString& t : testi)
            out << escape(t) << ',';
        out << d.mensilitaAggiuntive << '\n';
    }
    out.flush();
    // Written whole or not at all, UTF-8 without a byte order mark.
    return FileSicuri::scrivi(percorso, testo.toUtf8());
}

namespace {

// The AVS number without its dots and blanks, for comparing.
QString avsNormale(const QString& numero)
{
    QString n = numero;
    n.remove(QLatin1Char('.')).remove(QLatin1Char(' '));
    return n;
}

// The same person without an AVS number: surname, first name, birth date.
QString persona(const DatiDipendente& d)
{
    return (d.cognome.simplified() + QLatin1Char('|') + d.nome.simplified() + QLatin1Char('|')
            + d.dataNascita.trimmed())
        .toCaseFolded();
}

// A date of the file as the record stores it ("dd/MM/yyyy"); empty stays
// empty. False when the text is no date of the calendar.
bool data(const QString& testo, QString* risultato)
{
    if (testo.isEmpty()) {
        risultato->clear();
        return true;
    }
    const QDate d = InputSvizzero::leggiData(testo);
    if (!d.isValid())
        return false;
    *risultato = d.toString(QStringLiteral("dd/MM/yyyy"));
    return true;
}

// Why a row's values cannot make an employee; empty when they can.
QString controllaRiga(const QStringList& f, DatiDipendente& d)
{
    for (const QString& campo : f) {
        for (const QChar c : campo) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return tr("carattere non ammesso (NUL o di controllo)");
        }
    }
    // Fields past the 15th (an unquoted comma in a text) would be lost or
    // shift the others: such a row is not guessed at.
    int campiPieni = f.size();
    while (campiPieni > 15 && f.at(campiPieni - 1).trimmed().isEmpty())
        --campiPieni;
    if (f.size() < 14 || campiPieni > 15)
        return tr("%1 campi invece di 15").arg(campiPieni);
    QString* testi[] = {&d.nome,      &d.cognome, &d.dataNascita, &d.sesso,   &d.statoCivile, &d.nazionalita,
                        &d.indirizzo, &d.cap,     &d.localita,    &d.cantone, &d.numeroAVS,   &d.permessoLavoro};
    for (int i = 0; i < 12; ++i)
        *testi[i] = f.at(i).trimmed();
    if (d.cognome.isEmpty())
        return tr("cognome mancante");
    if (!data(d.dataNascita, &d.dataNascita))
        return tr("data di nascita \"%1\" non valida").arg(f.at(2).trimmed());
    // Nobody on the payroll is born after today (the card refuses it too).
    if (!d.dataNascita.isEmpty()
        && QDate::fromString(d.dataNascita, QStringLiteral("dd/MM/yyyy")) > Orologio::oggi())
        return tr("data di nascita \"%1\" dopo oggi").arg(f.at(2).trimmed());
    d.sesso = d.sesso.toUpper();
    if (!d.sesso.isEmpty() && d.sesso != QLatin1String("M") && d.sesso != QLatin1String("F"))
        return tr("sesso \"%1\" non valido (M o F)").arg(f.at(3).trimmed());
    d.cantone = d.cantone.toUpper();
    if (!d.numeroAVS.isEmpty() && !Dipendente::validaAVS(d.numeroAVS))
        return tr("numero AVS \"%1\" non valido").arg(d.numeroAVS);
    QString assunzione;
    if (!data(f.at(12).trimmed(), &assunzione))
        return tr("data di assunzione \"%1\" non valida").arg(f.at(12).trimmed());
    // An empty hiring date leaves the employee without a period rather
    // than with one that has no start.
    if (!assunzione.isEmpty())
        Dipendente::setDataAssunzione(d, assunzione);
    d.tipoContratto = f.at(13).trimmed();
    const QString mensilita = f.size() > 14 ? f.at(14).trimmed() : QString();
    d.mensilitaAggiuntive = 0;
    if (!mensilita.isEmpty() && !FileSicuri::intero(mensilita, 0, 2, &d.mensilitaAggiuntive))
        return tr("mensilita aggiuntive \"%1\" non valide (da 0 a 2)").arg(mensilita);
    return QString();
}

} // namespace

bool importa(const QString& percorso, int* importati, int* saltati, QStringList* motivi)
{
    QByteArray contenuto;
    if (!FileSicuri::leggi(percorso, &contenuto))
        return false;
    // Every byte of the file: a NUL is a fault of its row, never the end.
    QString testo = FileSicuri::testo(contenuto);
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);

    // Who is already in the company: by AVS number, else by name and birth.
    QSet<QString> numeriAVS;
    QSet<QString> persone;
    auto registra = [&](const DatiDipendente& d) {
        if (!avsNormale(d.numeroAVS).isEmpty())
            numeriAVS.insert(avsNormale(d.numeroAVS));
        else
            persone.insert(persona(d));
    };
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        Dipendente::carica(id, d); // what did load still names the person
        registra(d);
    }

    const QStringList righe = testo.split(QLatin1Char('\n'));
    // The first line is the header: one that is not (a file without it) is
    // named, never skipped unseen.
    QString primaRiga = righe.constFirst();
    if (primaRiga.endsWith(QLatin1Char('\r')))
        primaRiga.chop(1);
    const QStringList nomiColonne = kIntestazione.split(QLatin1Char(','));
    QStringList intestazione = campi(primaRiga);
    for (QString& nome : intestazione)
        nome = nome.trimmed();
    const bool conIntestazione = intestazione.size() >= 14 && intestazione.size() <= 15
        && intestazione.join(QLatin1Char(',')).compare(nomiColonne.mid(0, intestazione.size()).join(QLatin1Char(',')),
                                                       Qt::CaseInsensitive) == 0;
    int creati = 0;
    int scartati = 0;
    if (!primaRiga.trimmed().isEmpty() && !conIntestazione) {
        ++scartati;
        if (motivi)
            motivi->append(tr("riga %1: %2").arg(1).arg(tr("non e' l'intestazione delle colonne (%1)").arg(kIntestazione)));
    }
    for (int n = 1; n < righe.size(); ++n) { // the header line is skipped
        QString riga = righe.at(n);
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
        if (riga.trimmed().isEmpty() && !riga.contains(QChar(0)))
            continue;
        DatiDipendente d;
        QString motivo = controllaRiga(campi(riga), d);
        if (motivo.isEmpty()) {
            const bool presente = avsNormale(d.numeroAVS).isEmpty() ? persone.contains(persona(d))
                                                                    : numeriAVS.contains(avsNormale(d.numeroAVS));
            if (presente)
                motivo = tr("%1 %2 gia' presente nell'azienda").arg(d.nome, d.cognome);
        }
        if (motivo.isEmpty()) {
            const QString id = Dipendente::idLibero(nomeBase(d.cognome, d.nome) + QStringLiteral(".txt"));
            QString perche;
            if (Dipendente::idValido(id) && Dipendente::salva(d, id, &perche)) {
                ++creati;
                registra(d);
                continue;
            }
            motivo = tr("salvataggio non riuscito");
            if (!perche.isEmpty())
                motivo += QStringLiteral(": ") + perche;
        }
        ++scartati;
        if (motivi)
            motivi->append(tr("riga %1: %2").arg(n + 1).arg(motivo));
    }
    if (importati)
        *importati = creati;
    if (saltati)
        *saltati = scartati;
    return true;
}

namespace {

const char* const kCartellaEsportazione = "cartellaEsportazione";

QSettings impostazioni()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("CsvDipendenti"));
}

} // namespace

void azioneEsporta(QWidget* finestra)
{
    const QString percorso = DialogoFile::salva(finestra, tr("Esporta CSV"),
                                                Config::cartellaExportAzienda() + QStringLiteral("/dipendenti.csv"),
                                                tr("CSV (*.csv)"));
    if (percorso.isEmpty())
        return;
    QStringList esclusi;
    if (!esporta(percorso, &esclusi)) {
        Messaggi::avviso(finestra, tr("Errore"), tr("Impossibile salvare il CSV."));
        return;
    }
    impostazioni().setValue(QLatin1String(kCartellaEsportazione), QFileInfo(percorso).absolutePath());
    QString testo = tr("CSV salvato in:\n") + percorso;
    if (!esclusi.isEmpty())
        testo += QStringLiteral("\n\n") + tr("Non esportati (file non leggibile):\n") + esclusi.join(QLatin1Char('\n'));
    if (esclusi.isEmpty())
        Messaggi::informazione(finestra, tr("Esportato"), testo);
    else
        Messaggi::avviso(finestra, tr("Esportato"), testo);
}

void azioneImporta(QWidget* finestra)
{
    // Where the last export went, the file the user edited is likely to be.
    const QString inizio = impostazioni().value(QLatin1String(kCartellaEsportazione),
                                                Config::cartellaExportAzienda()).toString();
    const QString percorso = DialogoFile::apri(finestra, tr("Importa CSV"), inizio, tr("CSV (*.csv)"));
    if (percorso.isEmpty())
        return;
    int importati = 0;
    int saltati = 0;
    QStringList motivi;
    if (!importa(percorso, &importati, &saltati, &motivi)) {
        Messaggi::avviso(finestra, tr("Errore"), tr("Impossibile leggere il CSV."));
        return;
    }
    QString testo = tr("Importati: %1\nSaltati: %2").arg(importati).arg(saltati);
    if (!motivi.isEmpty()) {
        testo += QStringLiteral("\n\n") + tr("Righe saltate di %1:").arg(percorso) + QLatin1Char('\n')
                 + motivi.join(QLatin1Char('\n'));
        Messaggi::avviso(finestra, tr("Importato"), testo);
    } else {
        Messaggi::informazione(finestra, tr("Importato"), testo);
    }
}

} // namespace CsvDipendenti
