#include "pain001.h"

#include "filesicuri.h"
#include "importi.h"
#include "orologio.h"

#include <QDate>
#include <QRegularExpression>
#include <QUuid>
#include <QVector>
#include <QXmlStreamWriter>

namespace {

// Amounts are written from whole centimes, so the control sum is exactly the
// sum of the amounts written, as the bank checks it; rounded to the centime
// as every amount is (half away from zero on the decimal value).
qint64 centesimi(double v)
{
    return qRound64(Importi::arrotonda2(v) * 100.0);
}

QString testoCentesimi(qint64 c)
{
    const QString segno = c < 0 ? QStringLiteral("-") : QString();
    c = qAbs(c);
    return segno + QString::number(c / 100) + QLatin1Char('.') + QStringLiteral("%1").arg(c % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString Pain001::normalizzaCodice(const QString& codice)
{
    QString r;
    for (const QChar c : codice) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            r.append(c.toUpper());
    }
    return r;
}

bool Pain001::ibanValido(const QString& iban)
{
    const QString s = normalizzaCodice(iban);
    static const QRegularExpression forma(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{1,30}$"));
    if (!forma.match(s).hasMatch() || s.size() < 5)
        return false;
    // Move the first four characters to the end, letters become 10..35,
    // and the whole number must leave 1 when divided by 97.
    const QString riordinato = s.mid(4) + s.left(4);
    int resto = 0;
    for (const QChar c : riordinato) {
        const int v = c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10;
        resto = v >= 10 ? (resto * 100 + v) % 97 : (resto * 10 + v) % 97;
    }
    return resto == 1;
}

bool Pain001::bicValido(const QString& bic)
{
    static const QRegularExpression forma(QStringLiteral("^[A-Z0-9]{4}[A-Z]{2}[A-Z0-9]{2}([A-Z0-9]{3})?$"));
    return forma.match(normalizzaCodice(bic)).hasMatch();
}

QString Pain001::testo140(const QString& testo)
{
    // Only characters an XML file may hold: no control characters, no
    // half of a surrogate pair, no non-characters.
    QString pulito;
    const QString riga = FileSicuri::unaRiga(testo);
    for (int i = 0; i < riga.size(); ++i) {
        const QChar c = riga.at(i);
        if (c.isHighSurrogate() && i + 1 < riga.size() && riga.at(i + 1).isLowSurrogate()) {
            if (!QChar::isNonCharacter(QChar::surrogateToUcs4(c, riga.at(i + 1))))
                pulito.append(c).append(riga.at(i + 1));
            ++i;
            continue;
        }
        if (c.isSurrogate() || c.isNonCharacter() || c.category() == QChar::Other_Control)
            continue;
        pulito.append(c);
    }
    pulito = pulito.simplified();
    // The limit counts characters, not UTF-16 units: never split a pair.
    const QVector<uint> punti = pulito.toUcs4();
    if (punti.size() <= 140)
        return pulito;
    return QString::fromUcs4(punti.constData(), 140).trimmed();
}

QStringList Pain001::problemi() const
{
    QStringList p;
    if (testo140(nomeDebitore).isEmpty())
        p << tr("Manca il nome dell'azienda.");
    if (!ibanValido(ibanDebitore))
        p << tr("IBAN dell'azienda non valido.");
    if (!bicValido(bicDebitore))
        p << tr("BIC dell'azienda non valido.");
    if (!QDate::fromString(dataEsecuzione, QStringLiteral("yyyy-MM-dd")).isValid())
        p << tr("Data di esecuzione non valida.");
    if (pagamenti.isEmpty())
        p << tr("Nessun pagamento.");
    for (const Pagamento& pg : pagamenti) {
        if (testo140(pg.nomeBeneficiario).isEmpty())
            p << tr("Manca il nome di un beneficiario.");
        if (!ibanValido(pg.ibanBeneficiario))
            p << tr("IBAN non valido: %1").arg(testo140(pg.nomeBeneficiario));
        if (!(pg.importo > 0.0) || pg.importo > 1e12 || centesimi(pg.importo) < 1)
            p << tr("Importo non valido: %1").arg(testo140(pg.nomeBeneficiario));
    }
    return p;
}

QString Pain001::generaXml() const
{
    const QString msgId = QStringLiteral("MSG-")
        + Orologio::adesso().toString(QStringLiteral("yyyyMMddHHmmss")) + QLatin1Char('-')
        + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    qint64 somma = 0;
    for (const Pagamento& p : pagamenti)
        somma += centesimi(p.importo);
    const QString n = QString::number(pagamenti.size());
    const QString ctrlSum = testoCentesimi(somma);

    QString xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(4);
    w.writeStartDocument(QStringLiteral("1.0"));
    w.writeStartElement(QStringLiteral("Document"));
    w.writeDefaultNamespace(QStringLiteral("urn:iso:std:iso:20022:tech:xsd:pain.001.001.09"));
    w.writeStartElement(QStringLiteral("CstmrCdtTrfInitn"));

    w.writeStartElement(QStringLiteral("GrpHdr"));
    w.writeTextElement(QStringLiteral("MsgId"), msgId);
    w.writeTextElement(QStringLiteral("CreDtTm"), Orologio::adesso().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    w.writeTextElement(QStringLiteral("NbOfTxs"), n);
    w.writeTextElement(QStringLiteral("CtrlSum"), ctrlSum);
    w.writeStartElement(QStringLiteral("InitgPty"));
    w.writeTextElement(QStringLiteral("Nm"), testo140(nomeDebitore));
    w.writeEndElement(); // InitgPty
    w.writeEndElement(); // GrpHdr

    w.writeStartElement(QStringLiteral("PmtInf"));
    w.writeTextElement(QStringLiteral("PmtInfId"), QStringLiteral("PMT-") + msgId);
    w.writeTextElement(QStringLiteral("PmtMtd"), QStringLiteral("TRF"));
    w.writeTextElement(QStringLiteral("NbOfTxs"), n);
    w.writeTextElement(QStringLiteral("CtrlSum"), ctrlSum);
    w.writeStartElement(QStringLiteral("PmtTpInf"));
    w.writeStartElement(QStringLiteral("CtgyPurp"));
    w.writeTextElement(QStringLiteral("Cd"), QStringLiteral("SALA"));
    w.writeEndElement();
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("ReqdExctnDt"));
    w.writeTextElement(QStringLiteral("Dt"), dataEsecuzione);
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("Dbtr"));
    w.writeTextElement(QStringLiteral("Nm"), testo140(nomeDebitore));
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("DbtrAcct"));
    w.writeStartElement(QStringLiteral("Id"));
    w.writeTextElement(QStringLiteral("IBAN"), normalizzaCodice(ibanDebitore));
    w.writeEndElement();
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("DbtrAgt"));
    w.writeStartElement(QStringLiteral("FinInstnId"));
    w.writeTextElement(QStringLiteral("BICFI"), normalizzaCodice(bicDebitore));
    w.writeEndElement();
    w.writeEndElement();

    for (const Pagamento& p : pagamenti) {
        w.writeStartElement(QStringLiteral("CdtTrfTxInf"));
        w.writeStartElement(QStringLiteral("PmtId"));
        w.writeTextElement(QStringLiteral("EndToEndId"), QStringLiteral("NOTPROVIDED"));
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("Amt"));
        w.writeStartElement(QStringLiteral("InstdAmt"));
        w.writeAttribute(QStringLiteral("Ccy"), QStringLiteral("CHF"));
        w.writeCharacters(testoCentesimi(centesimi(p.importo)));
        w.writeEndElement();
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("Cdtr"));
        w.writeTextElement(QStringLiteral("Nm"), testo140(p.nomeBeneficiario));
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("CdtrAcct"));
        w.writeStartElement(QStringLiteral("Id"));
        w.writeTextElement(QStringLiteral("IBAN"), normalizzaCodice(p.ibanBeneficiario));
        w.writeEndElement();
        w.writeEndElement();
        const QString causale = testo140(p.causale);
        if (!causale.isEmpty()) {
            w.writeStartElement(QStringLiteral("RmtInf"));
            w.writeTextElement(QStringLiteral("Ustrd"), causale);
            w.writeEndElement();
        }
        w.writeEndElement(); // CdtTrfTxInf
    }
    w.writeEndElement(); // PmtInf
    w.writeEndElement(); // CstmrCdtTrfInitn
    w.writeEndElement(); // Document
    w.writeEndDocument();
    return xml;
}

bool Pain001::salvaSuFile(const QString& percorso) const
{
    return FileSicuri::scrivi(percorso, generaXml().toUtf8());
}
