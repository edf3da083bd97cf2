#pragma once

#include <QString>

struct DatiDipendente;

// One employee's holiday days per calendar year, in the INI file
// ~/.vardello_dati/ferie/<key>.ini, one group per year.
class Ferie
{
public:
    struct AnnoFerie
    {
        int legaliDiritto = 25;
        int legaliPrese = 0;
        int regalateDiritto = 0;
        int regalatePrese = 0;
        int aggiuntiveDiritto = 0;
        int aggiuntivePrese = 0;
        QString dataCessazione;
        int giorniLavorati = 0;
    };

    explicit Ferie(const QString& chiave);

    // The weeks of holiday a year the employee is owed: the employee's
    // "vacanzeSettimane", 4 when it is missing or no number above 0 and
    // below 52. The same number sets the holiday pay of hourly staff.
    static double settimaneVacanze(const DatiDipendente& d);
    static constexpr double kSettimanePredefinite = 4.0;
    static constexpr double kGiorniPerSettimana = 5.0;
    // The holiday days due for a year employed `mesi` months of 12: the
    // yearly entitlement x mesi / 12 to one decimal; a whole year (12 months
    // or more) owes the yearly entitlement as it is, no months nothing.
    static double dirittoMaturato(double dirittoAnnuo, double mesi);

    int annoCorrente() const { return m_anno; }
    void setAnnoCorrente(int anno) { m_anno = anno; }

    static QString cartellaFerie();
    // The employee's holiday file; empty when the key would leave the folder.
    QString percorsoFile() const;

    // The year's balances; what could not be read (the file, a damaged line,
    // a count that is no whole number) lands in `errore` with the file and
    // the line, and such a count reads as 0.
    AnnoFerie leggiAnno(int anno, QString* errore = nullptr) const;
    // False, with the reason in `errore`, when the file did not read cleanly
    // (it is then left as it is) or could not be written.
    bool scriviAnno(int anno, const AnnoFerie& a, QString* errore = nullptr) const;

    int saldoLegali() const;
    int saldoRegalate() const;
    int saldoAggiuntive() const;
    int saldoTotale() const;
    double proRataLegali(int giorni) const;

private:
    QString m_chiave;
    int m_anno;
};
