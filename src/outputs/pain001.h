#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// An ISO 20022 customer credit-transfer initiation (pain.001.001.09) that
// pays the salaries of a monthly closing: one payment block, one transaction
// per employee, currency CHF.
struct Pain001
{
    Q_DECLARE_TR_FUNCTIONS(Pain001)

public:
    struct Pagamento
    {
        QString nomeBeneficiario;
        QString ibanBeneficiario;
        double importo = 0.0;
        QString causale; // empty: no remittance text
    };

    QString nomeDebitore;
    QString ibanDebitore;
    QString bicDebitore;
    QString dataEsecuzione; // "yyyy-MM-dd"
    QList<Pagamento> pagamenti;

    // The whole message; each call draws a new message identification.
    QString generaXml() const;
    // Writes the message as UTF-8 through QSaveFile; false when not written.
    bool salvaSuFile(const QString& percorso) const;

    // What the bank would refuse: each entry one sentence. Empty when the
    // message is acceptable (names present, IBANs and BIC well formed,
    // amounts positive, a valid execution date, at least one payment).
    QStringList problemi() const;

    // IBANs and BICs as the bank wants them: upper case, without blanks,
    // dashes, dots or any other separator.
    static QString normalizzaCodice(const QString& codice);
    // Whether an IBAN (any separators) has the form and the check digits
    // (ISO 13616, modulo 97) of a real account.
    static bool ibanValido(const QString& iban);
    static bool bicValido(const QString& bic);
    // A name or remittance text on one line, without control characters,
    // cut to the 140 characters the message allows.
    static QString testo140(const QString& testo);
};
