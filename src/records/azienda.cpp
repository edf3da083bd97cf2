#include "azienda.h"

#include "config.h"
#include "decimali.h"
#include "filesicuri.h"

#include <QDir>
#include <QMap>

namespace {

struct Numero
{
    const char* chiave;
    double DatiAzienda::*membro;
    int decimali;
    double seIllegibile;
    double massimo;
};

const Numero kNumeri[] = {
    {"lainfIPperMille", &DatiAzienda::lainfIPperMille, 3, 0.0, 1000.0},
    {"lainfINPuomoPerMille", &DatiAzienda::lainfINPuomoPerMille, 3, 0.0, 1000.0},
    {"lainfINPdonnaPerMille", &DatiAzienda::lainfINPdonnaPerMille, 3, 0.0, 1000.0},
    {"lainfMassimale", &DatiAzienda::lainfMassimale, 2, 148200.0, FileSicuri::kImportoMassimo},
};

const QString kTredicesima = QStringLiteral("tredicesimaAutomatica");

QString pulita(const QString& testo)
{
    return FileSicuri::unaRiga(testo).trimmed();
}

} // namespace

QStringList Azienda::nomiRiservati()
{
    return {QStringLiteral("valute.txt"), QStringLiteral("utente.txt")};
}

QByteArray Azienda::serializza(const DatiAzienda& a)
{
    QStringList righe = {pulita(a.ragioneSociale), pulita(a.indirizzo), pulita(a.cap),
                         pulita(a.localita), pulita(a.cantone), pulita(a.nazione)};
    QMap<QString, QString> campi = a.campi;
    for (const Numero& n : kNumeri)
        campi.insert(QLatin1String(n.chiave), Decimali::testo(a.*n.membro, n.decimali));
    campi.insert(kTredicesima, a.tredicesimaAutomatica ? QStringLiteral("1") : QStringLiteral("0"));
    for (auto it = campi.cbegin(); it != campi.cend(); ++it) {
        // A key that is empty or holds "=" or a line break would come back as
        // another key: such entries are not written.
        const QString& chiave = it.key();
        if (chiave.trimmed().isEmpty() || chiave.contains(QLatin1Char('='))
            || FileSicuri::unaRiga(chiave) != chiave)
            continue;
        righe.append(pulita(chiave + QLatin1Char('=') + it.value()));
    }
    return righe.join(QLatin1Char('\n')).toUtf8();
}

DatiAzienda Azienda::deserializza(const QByteArray& contenuto, QStringList* problemi)
{
    DatiAzienda a;
    QStringList difetti;
    QString tutto = FileSicuri::testo(contenuto);
    if (tutto.startsWith(QChar(0xFEFF)))
        tutto.remove(0, 1);
    QStringList righe = tutto.split(QLatin1Char('\n'));
    for (QString& r : righe) {
        if (r.endsWith(QLatin1Char('\r')))
            r.chop(1);
    }
    // The six positional lines: a line added, lost or moved among them
    // shifts the canton and the country, so these two are checked.
    QString* fissi[] = {&a.ragioneSociale, &a.indirizzo, &a.cap, &a.localita, &a.cantone, &a.nazione};
    for (int i = 0; i < 6 && i < righe.size(); ++i)
        *fissi[i] = righe.at(i).trimmed();
    if (righe.size() < 6)
        difetti.append(tr("riga %1: mancano le righe fisse (ragione sociale, indirizzo, CAP, localita', cantone, "
                          "nazione)")
                           .arg(righe.size()));
    auto sigla = [](const QString& t) {
        if (t.isEmpty())
            return true;
        if (t.size() != 2)
            return false;
        for (const QChar c : t) {
            if (c.unicode() > 0x7f || !c.isLetter())
                return false;
        }
        return true;
    };
    if (righe.size() >= 6 && a.cantone.size() > 2)
        difetti.append(tr("riga 5: \"%1\" non e' la sigla di un cantone").arg(a.cantone.left(40)));
    if (righe.size() >= 6 && (!sigla(a.nazione) || a.nazione != a.nazione.toUpper()))
        difetti.append(tr("riga 6: \"%1\" non e' il codice di una nazione").arg(a.nazione.left(40)));
    for (int i = 0; i < 6 && i < righe.size(); ++i) {
        if (righe.at(i).contains(QChar(0)))
            difetti.append(tr("riga %1: carattere nullo").arg(i + 1));
    }

    QMap<QString, int> rigaDi;
    for (int i = 6; i < righe.size(); ++i) {
        const QString riga = righe.at(i).trimmed();
        if (riga.isEmpty())
            continue;
        if (riga.contains(QChar(0))) {
            difetti.append(tr("riga %1: carattere nullo").arg(i + 1));
            continue;
        }
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 1) {
            difetti.append(tr("riga %1: \"%2\" non e' una riga chiave=valore").arg(i + 1).arg(riga.left(40)));
            continue;
        }
        const QString chiave = riga.left(uguale);
        if (rigaDi.contains(chiave)) {
            // One pass over the text: a "%" in the key is never taken as a marker.
            difetti.append(tr("riga %1: %2 ripetuto (gia' alla riga %3)")
                               .arg(QString::number(i + 1), chiave, QString::number(rigaDi.value(chiave))));
            continue;
        }
        rigaDi.insert(chiave, i + 1);
        a.campi.insert(chiave, riga.mid(uguale + 1));
    }
    for (const Numero& n : kNumeri) {
        const QString chiave = QLatin1String(n.chiave);
        if (!a.campi.contains(chiave))
            continue;
        double v = 0.0;
        if (FileSicuri::numero(a.campi.value(chiave), 0.0, n.massimo, &v)) {
            a.*n.membro = v;
        } else {
            a.*n.membro = n.seIllegibile;
            if (!a.campi.value(chiave).trimmed().isEmpty())
                difetti.append(tr("riga %1: %2 non e' un numero valido").arg(rigaDi.value(chiave)).arg(chiave));
        }
    }
    const QString tredicesima = a.campi.value(kTredicesima);
    if (a.campi.contains(kTredicesima) && tredicesima != QLatin1String("0") && tredicesima != QLatin1String("1"))
        difetti.append(tr("riga %1: %2 non e' 0 o 1").arg(rigaDi.value(kTredicesima)).arg(kTredicesima));
    a.tredicesimaAutomatica = tredicesima != QLatin1String("0") || !a.campi.contains(kTredicesima);
    if (problemi)
        *problemi = difetti;
    return a;
}

DatiAzienda Azienda::carica(const QString& nomeFile, QString* errore)
{
    if (errore)
        errore->clear();
    if (!FileSicuri::nomeSicuro(nomeFile))
        return DatiAzienda();
    const QString percorso = Config::cartellaDati() + QLatin1Char('/') + nomeFile;
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore && esito != FileSicuri::Esito::Mancante)
            *errore = FileSicuri::messaggio(esito, percorso);
        return DatiAzienda();
    }
    QStringList problemi;
    const DatiAzienda a = deserializza(contenuto, &problemi);
    if (errore && !problemi.isEmpty())
        *errore = tr("Il file %1 non si legge per intero: %2.").arg(percorso, problemi.join(QStringLiteral("; ")));
    return a;
}

bool Azienda::salva(const DatiAzienda& a, const QString& nomeFile, QString* errore)
{
    auto rifiuta = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return false;
    };
    if (!FileSicuri::nomeSicuro(nomeFile))
        return rifiuta(tr("Il nome di file \"%1\" non è utilizzabile.").arg(nomeFile));
    // Nothing is written that carica would report: a rate or ceiling below
    // 0, beyond its range or not finite, a canton or country that is no code.
    const QByteArray dati = serializza(a);
    QStringList problemi;
    deserializza(dati, &problemi);
    if (!problemi.isEmpty())
        return rifiuta(tr("Valori non validi (%1): i dati dell'azienda non vengono salvati.")
                           .arg(problemi.join(QStringLiteral("; "))));
    const QString percorso = Config::cartellaDati() + QLatin1Char('/') + nomeFile;
    if (!FileSicuri::scrivi(percorso, dati))
        return rifiuta(tr("Impossibile scrivere il file %1.").arg(percorso));
    return true;
}

QStringList Azienda::elencoAziende()
{
    const QDir cartella(Config::cartellaDati());
    const QStringList nomi = cartella.entryList({QStringLiteral("*.txt")}, QDir::Files,
                                                QDir::Name | QDir::IgnoreCase);
    const QStringList riservati = nomiRiservati();
    QStringList elenco;
    for (const QString& nome : nomi) {
        if (!riservati.contains(nome))
            elenco.append(nome);
    }
    return elenco;
}
