#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// Withholding tax from the federal tariff files (tar*.txt, fixed-width
// records): step scales per canton and tariff code, and fixed-rate
// categories, loaded once and kept for the whole run.
class ImpostaFonte
{
    Q_DECLARE_TR_FUNCTIONS(ImpostaFonte)

public:
    // One bracket of a scale.
    struct Scaglione
    {
        double soglia = 0.0;        // monthly income from which it applies
        double importoMinimo = 0.0; // minimum tax
        double aliquota = 0.0;      // percent
    };

    // One scale: the brackets of a canton and tariff code, in file order.
    struct Scala
    {
        QString cantone;
        QString codice; // with the church letter, e.g. A0N
        int figli = 0;
        bool chiesa = false;
        QVector<Scaglione> scaglioni;
        int validoDal = 0;      // valid-from date yyyymmdd of the records kept
        // Thresholds in ascending order: one file's records always are (or
        // the scale is missing); records of the same date from two files
        // may not be.
        bool crescente = true;
    };

    // One fixed-rate category.
    struct CategoriaFissa
    {
        QString cantone;
        QString codice;
        double aliquota = 0.0;
        int validoDal = 0;
    };

    // Loads ./dati_afc, else ~/01.Vardello/dati_afc.
    static bool carica();
    // The folders carica() looks in, in its order, as full paths.
    static QStringList cartelle();

    // Replaces both tables by the tariff files of a folder; false when it
    // held neither a usable nor a damaged record.
    static bool caricaDa(const QString& cartella);

    // What the last load found wrong, naming canton and file: every damaged
    // bracket or category record with its line (a record that is not 62
    // bytes of printable ASCII, whose canton or code cannot be read, or a
    // numeric field holding anything but digits; a line of an unknown
    // record type), and a closing record that is missing or whose record
    // count does not match the file; a scale whose records in one file carry
    // different valid-from dates, or whose income thresholds do not rise
    // from record to record, with the line of the first record that
    // contradicts. Empty when every file was whole. Such a scale, and the
    // scale or category a damaged record belongs to, counts as missing: no
    // look-up finds it (nor one with another church letter instead). This
    // holds for the year of the file that holds the damage: a clean file of
    // a later valid-from date holding the same scale or category replaces
    // it as it replaces any older one.
    static QStringList avvisi();

    static double calcolaMensile(double redditoMensile, const QString& cantone, const QString& tariffa);
    // The rate in percent of the tariff's bracket for a monthly income; 0
    // without a scale, or when the bracket's minimum amount is the tax (the
    // tax is then no rate of the income).
    static double aliquotaMensile(double redditoMensile, const QString& cantone, const QString& tariffa);
    static double calcolaAnnuale(double redditoAnnuo, const QString& cantone, const QString& tariffa);
    static double conguaglioAnnuale(double redditoAnnuo, double giaTrattenuta, const QString& cantone,
                                    const QString& tariffa);
    static double calcolaParziale(double reddito, int mesi, const QString& cantone, const QString& tariffa);
    static double calcolaCategoriaFissa(double reddito, const QString& cantone, const QString& codice);

    static QString infoScala(const QString& cantone, const QString& tariffa);
    // Whether a scale for the canton and tariff code is loaded.
    static bool haScala(const QString& cantone, const QString& tariffa);
    // Whether the look-up of the canton and tariff code finds nothing
    // because the scale it reaches was left out as damaged or
    // contradicting itself (see avvisi()).
    static bool scalaDanneggiata(const QString& cantone, const QString& tariffa);
    static QStringList scalePerCantone(const QString& cantone);
    static QStringList categoriePerCantone(const QString& cantone);
    static QStringList cantoniDisponibili();
};
