#include "azienda.h"

#include "config.h"
#include "filesicuri.h"

#include <QDir>

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
        campi.insert(QLatin1String(n.chiave), QString::number(a.*n.membro, 'f', n.decimali));
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
    QStringList righe = FileSicuri::testo(contenuto).split(QLatin1Char('\n'));
    for (QString& r : righe) {
        if (r.endsWith(QLatin1Char('\r')))
            r.chop(1);
    }
    QString* fissi[] = {&a.ragioneSociale, &a.indirizzo, &a.cap, &a.localita, &a.cantone, &a.nazione};
    for (int i = 0; i < 6 && i < righe.size(); ++i)
        *fissi[i] = righe.at(i).trimmed();
    for (int i = 6; i < righe.size(); ++i) {
        const QString riga = righe.at(i).trimmed();
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 1)
            continue;
        a.campi.insert(riga.left(uguale), riga.mid(uguale + 1));
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
            if (problemi && !a.campi.value(chiave).trimmed().isEmpty())
                problemi->append(chiave);
        }
    }
    a.tredicesimaAutomatica = a.campi.value(kTredicesima) != QLatin1String("0") || !a.campi.contains(kTredicesima);
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
        *errore = tr("Il file %1 contiene valori non validi: %2.").arg(percorso, problemi.join(QStringLiteral(", ")));
    return a;
}

bool Azienda::salva(const DatiAzienda& a, const QString& nomeFile)
{
    if (!FileSicuri::nomeSicuro(nomeFile))
        return false;
    return FileSicuri::scrivi(Config::cartellaDati() + QLatin1Char('/') + nomeFile, serializza(a));
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
