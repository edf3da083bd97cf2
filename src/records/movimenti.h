#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One extra salary movement of an employee: a bonus, a thirteenth salary, an
// expense refund... with the contributions it bears and the salary-certificate
// category it is reported under.
struct MovimentoStipendio
{
    QString data; // "yyyy-MM-dd"
    QString tipo;
    double importo = 0.0;
    int categoriaCertificato = 3;
    bool soggettoAVS = true;
    bool soggettoAD = true;
    bool applicaMassimaleAD = true;
    bool soggettoCAF = true;
    bool soggettoLAINF = true;
    bool applicaMassimaleLAINF = true;
    bool soggettoLPP = true;
    bool soggettoIF = true;
    QString descrizione;
};

// The movements file of each employee: <appdata>/movimenti/<id>.txt, one block
// of key=value lines per movement, blocks separated by an empty line.
class Movimenti
{
    Q_DECLARE_TR_FUNCTIONS(Movimenti)

public:
    // The movements file of the employee (the folder is created). Empty when
    // the id is not a plain file name.
    static QString percorsoFile(const QString& id);

    // The employee's movements in file order; empty when there is no file.
    // `errore` (may be null) names the file and every line that could not
    // be read: a file too large, a line that is no known key=value, a NUL, a
    // key repeated in a block, a block without all thirteen keys (split by
    // an empty line), an amount, category or flag that is not valid. The
    // movements are then listed as far as they read; such a list is never
    // to be paid or saved over the file.
    static QList<MovimentoStipendio> carica(const QString& id, QString* errore = nullptr);

    // Rewrites the whole file. Refused, with the reason in `errore` (may be
    // null) naming the movement and its field, when carica would report
    // anything in what is about to be written (an amount that is not finite
    // or beyond FileSicuri::kImportoMassimo, a category outside 0..9999, a
    // NUL in a text): the file then stays as it was. False too when the file
    // could not be written.
    static bool salva(const QString& id, const QList<MovimentoStipendio>& movimenti, QString* errore = nullptr);

    // Sets the certificate category and the eight subject flags from the kind
    // of movement; a kind no rule knows leaves the movement unchanged. The
    // rules know each group by its words in every language of the interface
    // ("Rimborso spese", "Spesen", "Remboursement de frais", "Expense
    // refund", "Reembolso de gastos"), in any letter case, the Italian ones
    // as written, the others with or without their accents; the kind itself
    // is kept as typed.
    static void applicaPreset(MovimentoStipendio& m);

    // Whether the movement is paid again every month, as the salary is: a
    // kind of the family allowances ("Assegno familiare", "Assegni
    // familiari") or of the flat expenses ("Forfet...", "Spese forfet...").
    // Any other kind, one no rule knows included, is a payment of its month
    // alone: a bonus or premium, a thirteenth or fourteenth, a refund of
    // actual costs, training, a capital benefit, a board fee.
    static bool ricorrente(const MovimentoStipendio& m);

    // Why the pay count of the movement's month pays nothing of it: an
    // amount of 0 or below once rounded to the centime (a deduction is no
    // movement), or none of the boxes AVS, AD, CAF, LAINF, LPP and IF ticked
    // (the movement is then neither gross nor taxable). Such a movement is
    // kept as typed; the count passes over it.
    enum class Scarto { Nessuno, Importo, Soggetti };
    static Scarto scarto(const MovimentoStipendio& m);

    // Whether the movement pays a thirteenth or fourteenth salary: its kind
    // is one the preset of the extra monthly salaries knows.
    static bool mensilitaAggiuntiva(const MovimentoStipendio& m);

private:
    // The movements of a file's bytes in file order; every line that could
    // not be read lands in `difetti` under its number ("riga N: ...").
    static QList<MovimentoStipendio> leggi(const QByteArray& contenuto, QMap<int, QStringList>* difetti);
};
