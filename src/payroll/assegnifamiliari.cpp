#include "assegnifamiliari.h"

#include "config.h"
#include "datetesto.h"
#include "fileini.h"
#include "filesicuri.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

const double kRedditoMinimo = 630.0;

QDate leggiData(const QString& testo)
{
    return DateTesto::daGiornoMeseAnno(testo);
}

// Whole years from the birth date to the date (negative before the birth).
int eta(const QDate& nascita, const QDate& data)
{
    int anni = data.year() - nascita.year();
    if (data.month() < nascita.month() || (data.month() == nascita.month() && data.day() < nascita.day()))
        --anni;
    return anni;
}

// The amounts of one canton in the allowance table: "[CANTON]" groups of
// "key=value" lines; "#" and ";" begin comments. Read at every call, so a
// user copy changed during the run counts at once. A table that does not
// read cleanly (a damaged line anywhere, an amount of the canton that is no
// valid number) is reported by file and line in `errore`.
class Tabella
{
public:
    Tabella(const QString& percorso, const QString& cantone)
        : percorso(percorso)
    {
        QByteArray contenuto;
        // A table larger than this is refused whole, never cut.
        const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto, 1024 * 1024);
        if (esito != FileSicuri::Esito::Letto) {
            errori.append(FileSicuri::messaggio(esito, percorso, 1024 * 1024));
            return;
        }
        for (const FileIni::Riga& r : FileIni::righe(contenuto, percorso, &errori)) {
            if (r.chiave.isEmpty() || cantone.isEmpty() || r.gruppo != cantone)
                continue;
            QString valore = r.valore;
            if (valore.size() >= 2 && valore.startsWith(QLatin1Char('"')) && valore.endsWith(QLatin1Char('"')))
                valore = valore.mid(1, valore.size() - 2);
            valori.insert(r.chiave, {valore, r.numero});
        }
    }

    bool contiene(const char* chiave) const { return valori.contains(QLatin1String(chiave)); }

    // A missing key reads as 0; a value that is no finite amount within
    // range (an empty one too) reads as 0 and is reported.
    double importo(const char* chiave)
    {
        const auto trovato = valori.constFind(QLatin1String(chiave));
        double v = 0.0;
        if (trovato == valori.constEnd())
            return v;
        const Valore& valore = trovato.value();
        if (!FileSicuri::numero(valore.testo, 0.0, FileSicuri::kImportoMassimo, &v))
            errori.append(FileIni::problema(percorso, valore.riga,
                                            AssegniFamiliari::tr("valore non valido per %1: \"%2\"")
                                                .arg(QLatin1String(chiave), valore.testo)));
        return v;
    }

    QString errore() const { return errori.join(QLatin1Char('\n')); }

private:
    struct Valore
    {
        QString testo;
        int riga = 0;
    };
    QString percorso;
    QStringList errori;
    QHash<QString, Valore> valori;
};

// The user copy of the table when it exists, else the built-in one.
QString percorsoTabella()
{
    const QString copia = Config::cartellaDatiPredefinita() + QStringLiteral("/assegni_familiari.ini");
    if (QFileInfo(copia).isFile())
        return copia;
    return QStringLiteral(":/data/assegni_familiari.ini");
}

} // namespace

AssegniFamiliari::Risultato AssegniFamiliari::calcola(const QString& cantone, const QList<Figlio>& figli,
                                                      double redditoMensile, const QDate& data)
{
    Risultato r;
    const QString c = cantone.toUpper();
    if (redditoMensile < kRedditoMinimo) {
        r.messaggio = tr("Reddito AVS sotto soglia (630 CHF/mese)");
        return r;
    }

    Tabella tabella(percorsoTabella(), c);
    if (!tabella.errore().isEmpty()) {
        r.messaggio = r.errore = tabella.errore();
        return r;
    }
    if (!tabella.contiene("figli") && !tabella.contiene("figliOver12")) {
        r.messaggio = tr("Cantone %1 non presente in assegni_familiari.ini").arg(c);
        return r;
    }
    const double figliImporto = tabella.importo("figli");
    const double figliOver12 = tabella.importo("figliOver12");
    const double figli3plus = tabella.importo("figli3plus");
    const double formazione = tabella.importo("formazione");
    const double formazione3plus = tabella.importo("formazione3plus");
    const double formazioneGiovane = tabella.importo("formazioneGiovane");
    const double formazioneAdulto = tabella.importo("formazioneAdulto");
    if (!tabella.errore().isEmpty()) {
        r.messaggio = r.errore = tabella.errore();
        return r;
    }
    // A canton may give its training allowance split by age (below 18, from
    // 18) instead of one amount.
    const bool perEta = formazioneGiovane > 0 && formazioneAdulto > 0;
    const bool formazionePagata = formazione > 0 || perEta;

    // An allowance runs to the end of the month in which the child reaches its
    // age limit: the limits are tested on the age reached before the month.
    const QDate vigilia = QDate(data.year(), data.month(), 1).addDays(-1);

    // Which allowance each child gives a right to in the month, if any.
    struct Diritto
    {
        int indice = 0;
        QDate nascita;
        int anni = 0;
        bool formazione = false;
    };
    QList<Diritto> aventiDiritto;
    for (int i = 0; i < figli.size(); ++i) {
        const Figlio& f = figli.at(i);
        const QDate nascita = leggiData(f.dataNascita);
        if (!nascita.isValid())
            continue;
        const int anni = eta(nascita, data);
        if (anni < 0)
            continue;
        const int anniPrima = eta(nascita, vigilia);
        const bool inFormazione = f.agliStudi && anni >= 15 && anniPrima < 25 && formazionePagata;
        const bool limiteFigli = anniPrima < 16 || (f.incapacitaGuadagno && anniPrima < 20);
        if (inFormazione || limiteFigli)
            aventiDiritto.append({i, nascita, anni, inFormazione});
    }

    // The third-child amounts go to the third child and every younger one:
    // the children who give a right to an allowance in the month, ranked by
    // birth date, the eldest first.
    QList<int> ordine;
    for (int k = 0; k < aventiDiritto.size(); ++k)
        ordine.append(k);
    std::stable_sort(ordine.begin(), ordine.end(), [&aventiDiritto](int a, int b) {
        return aventiDiritto.at(a).nascita < aventiDiritto.at(b).nascita;
    });

    for (int k = 0; k < aventiDiritto.size(); ++k) {
        const Diritto& diritto = aventiDiritto.at(k);
        const Figlio& f = figli.at(diritto.indice);
        const int anni = diritto.anni;
        const bool terzo = figli3plus > 0 && ordine.indexOf(k) >= 2;

        DettaglioFiglio d;
        d.nome = (f.cognome + QLatin1Char(' ') + f.nome).trimmed();
        d.dataNascita = f.dataNascita;
        d.eta = anni;
        if (diritto.formazione) {
            if (perEta)
                d.importo = anni < 18 ? formazioneGiovane : formazioneAdulto;
            else
                d.importo = terzo && formazione3plus > 0 ? formazione3plus : formazione;
            d.tipo = QStringLiteral("formazione");
            ++r.numFormazione;
        } else {
            if (terzo)
                d.importo = figli3plus;
            else if (figliOver12 > 0 && anni >= 12)
                d.importo = figliOver12;
            else
                d.importo = figliImporto;
            d.tipo = QStringLiteral("figli");
            ++r.numFigli;
        }
        r.totale += d.importo;
        r.dettagli.append(d);
    }
    return r;
}

MovimentoStipendio AssegniFamiliari::generaMovimento(const Risultato& r, const QDate& data)
{
    MovimentoStipendio m;
    if (r.totale <= 0)
        return m;
    m.data = data.toString(QStringLiteral("yyyy-MM-dd"));
    m.tipo = QStringLiteral("Assegno familiare");
    m.importo = r.totale;
    m.descrizione = tr("%1 figli assegno, %2 figli formazione").arg(r.numFigli).arg(r.numFormazione);
    Movimenti::applicaPreset(m);
    return m;
}
