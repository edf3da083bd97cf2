#include "csvdipendenti.h"

#include "dialogofile.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "messaggi.h"

#include <QCoreApplication>
#include <QDir>
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

bool esporta(const QString& percorso)
{
    QString testo;
    QTextStream out(&testo);
    out << kIntestazione << '\n';
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        if (!Dipendente::carica(id, d))
            continue;
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

bool importa(const QString& percorso, int* importati, int* saltati)
{
    QByteArray contenuto;
    if (!FileSicuri::leggi(percorso, &contenuto))
        return false;
    QString testo = QString::fromUtf8(contenuto);
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);

    int creati = 0;
    int scartati = 0;
    const QStringList righe = testo.split(QLatin1Char('\n'));
    for (int n = 1; n < righe.size(); ++n) { // the header line is skipped
        QString riga = righe.at(n);
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
        if (riga.trimmed().isEmpty())
            continue;
        const QStringList f = campi(riga);
        if (f.size() < 14) {
            ++scartati;
            continue;
        }
        DatiDipendente d;
        QString* testi[] = {&d.nome,     &d.cognome,   &d.dataNascita, &d.sesso,     &d.statoCivile, &d.nazionalita,
                            &d.indirizzo, &d.cap,      &d.localita,    &d.cantone,   &d.numeroAVS,   &d.permessoLavoro};
        for (int i = 0; i < 12; ++i)
            *testi[i] = f.at(i);
        // An empty hiring date leaves the employee without a period rather
        // than with one that has no start.
        if (!f.at(12).isEmpty())
            Dipendente::setDataAssunzione(d, f.at(12));
        d.tipoContratto = f.at(13);
        if (f.size() > 14) {
            bool ok = false;
            const int mensilita = f.at(14).toInt(&ok, 10);
            d.mensilitaAggiuntive = ok ? mensilita : 0;
        }
        const QString base = nomeBase(d.cognome, d.nome);
        if (base.isEmpty()) {
            ++scartati;
            continue;
        }
        const QString id = Dipendente::idLibero(base + QStringLiteral(".txt"));
        if (Dipendente::idValido(id) && Dipendente::salva(d, id))
            ++creati;
        else
            ++scartati;
    }
    if (importati)
        *importati = creati;
    if (saltati)
        *saltati = scartati;
    return true;
}

void azioneEsporta(QWidget* finestra)
{
    const QString percorso = DialogoFile::salva(finestra, tr("Esporta CSV"),
                                                QDir::homePath() + QStringLiteral("/dipendenti.csv"),
                                                tr("CSV (*.csv)"));
    if (percorso.isEmpty())
        return;
    if (esporta(percorso))
        Messaggi::informazione(finestra, tr("Esportato"), tr("CSV salvato in:\n") + percorso);
    else
        Messaggi::avviso(finestra, tr("Errore"), tr("Impossibile salvare il CSV."));
}

void azioneImporta(QWidget* finestra)
{
    const QString percorso = DialogoFile::apri(finestra, tr("Importa CSV"), QDir::homePath(), tr("CSV (*.csv)"));
    if (percorso.isEmpty())
        return;
    int importati = 0;
    int saltati = 0;
    if (importa(percorso, &importati, &saltati))
        Messaggi::informazione(finestra, tr("Importato"),
                               tr("Importati: %1\nSaltati: %2").arg(importati).arg(saltati));
    else
        Messaggi::avviso(finestra, tr("Errore"), tr("Impossibile leggere il CSV."));
}

} // namespace CsvDipendenti
