#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The catalogue of salary types, a process-wide table loaded once per run:
// from the user's file "generi_salario.ini" in the application-data folder
// when it holds at least one type, else from the built-in table.
class GeneriSalario
{
public:
    struct GenereSalario
    {
        QString codice;
        QString descrizione;
        QString tipo; // "base", "supplemento"...
        bool avs = true;
        bool caf = true;
        bool lainf = true;
        bool lpp = true;
        bool igm = false; // kept through loading, editing and saving
    };

    // Loads the table on the first call; true at once afterwards.
    static bool carica();
    static QStringList codiciDisponibili();
    // The type of that code; a new type (empty code) when unknown.
    static GenereSalario info(const QString& codice);
    static QString descrizione(const QString& codice);
    // Inserts or replaces the type under its code.
    static void aggiorna(const GenereSalario& genere);
    // Removes the type of that code from the table.
    static void rimuovi(const QString& codice);
    // What the user's file could not read, one text per problem with the
    // file and line (a damaged line, a flag other than 0 or 1, a file too
    // large); empty when it read cleanly or there is none.
    static QStringList problemiCaricamento();
    // Writes the whole table to the user's file in one step; false when it
    // could not be written completely, or without writing when the user's
    // file did not read cleanly (what it holds would be lost).
    static bool salva();

    static QString percorsoFileUtente();
    // Forgets the loaded table, so the next carica() reads again.
    static void azzera();

private:
    static bool leggiFile(const QString& percorso, QMap<QString, GenereSalario>* tabella, QStringList* problemi);

    static QMap<QString, GenereSalario> g_generi;
    static bool g_caricato;
    static QStringList g_problemi;
};
