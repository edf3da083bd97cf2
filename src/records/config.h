#pragma once

#include <QString>

// Where the data live. Keeps nothing in memory: the path file and the settings
// are read again at every call, so a folder chosen during the run takes effect
// at once.
class Config
{
public:
    // The configured data folder: the trimmed content of ~/.vardello_config.txt
    // when it names an existing folder, else the default folder (created).
    static QString cartellaDati();

    // Writes the path file and creates the folder. True only when the path
    // file was written completely.
    static bool setCartellaDati(const QString& percorso);

    // The default data folder ~/.vardello_dati (not created here).
    static QString cartellaDatiPredefinita();

    // The current company's file name (settings "AziendaCorrente"/"nomeFile"),
    // trimmed; empty when none is stored or the stored name is not a plain
    // file name.
    static QString aziendaCorrente();
    static void setAziendaCorrente(const QString& nomeFile);

    // The current company's export and employees folders, created on demand.
    static QString cartellaExportAzienda();
    static QString cartellaDipendenti();

    // The path file in the home folder.
    static QString percorsoFileConfig();
};
