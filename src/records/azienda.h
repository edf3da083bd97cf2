#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>

// The company record, as stored in its file in the data folder.
struct DatiAzienda
{
    QString ragioneSociale;
    QString indirizzo;
    QString cap;
    QString localita;
    QString cantone;
    QMap<QString, QString> campi; // every key=value line of the file
    QString nazione;
    double lainfIPperMille = 0.0;
    double lainfINPuomoPerMille = 0.0;
    double lainfINPdonnaPerMille = 0.0;
    double lainfMassimale = 148200.0;
    bool tredicesimaAutomatica = true;
};

// The company store: six fixed lines, then key=value lines, UTF-8.
class Azienda
{
    Q_DECLARE_TR_FUNCTIONS(Azienda)

public:
    // `errore` (may be null) names the file and every line that could not
    // be read: a file too large, fewer than the six fixed lines, a canton or
    // country line that holds no code (a fixed line added or lost), a line
    // without "=" after them, a repeated key, a NUL, a rate or ceiling that
    // is not a valid number (it then reads as 0, the ceiling as 148200), a
    // thirteenth-salary flag other than 0 or 1. Such a record is never to be
    // saved over the file. A CR LF line end and a byte-order mark are fine.
    static DatiAzienda carica(const QString& nomeFile, QString* errore = nullptr);
    // Rewrites the whole file. Refused, with the reason in `errore` (may be
    // null) naming the line and its field, when carica would report anything
    // in what is about to be written (a rate or ceiling below 0, beyond its
    // range or not finite, a canton or country that is no code, a NUL): the
    // file then stays as it was. False too when the name is not usable or
    // the file not written.
    static bool salva(const DatiAzienda& a, const QString& nomeFile, QString* errore = nullptr);
    static QStringList elencoAziende();

    // The program's own ".txt" files of the data folder, never companies.
    static QStringList nomiRiservati();

    static QByteArray serializza(const DatiAzienda& a);
    // `problemi` (may be null) receives one text per line that could not be
    // read, beginning with its line number.
    static DatiAzienda deserializza(const QByteArray& contenuto, QStringList* problemi = nullptr);
};
