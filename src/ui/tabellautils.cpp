#include "tabellautils.h"

#include <QHeaderView>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>

namespace {

const int larghezzaMinimaSezione = 28;
const int aggiunta = 16;
const int larghezzaMassimaAdattata = 260;

const char* const nomeSalvataggio = "TabellaUtils_salvaColonne";

#define IMPOSTAZIONI_COLONNE QStringLiteral("Vardello"), QStringLiteral("ColonneTabelle")

void tuttoInterattivo(QHeaderView* header)
{
    for (int i = 0; i < header->count(); ++i)
        header->setSectionResizeMode(i, QHeaderView::Interactive);
}

} // namespace

void TabellaUtils::configuraESalva(QTableWidget* tabella, const QString& chiave, const QList<int>& minimi)
{
    if (!tabella)
        return;
    QHeaderView* header = tabella->horizontalHeader();

    // A table configured again (after a refill) keeps one saving connection:
    // the previous one goes with its context object.
    delete tabella->findChild<QObject*>(QLatin1String(nomeSalvataggio), Qt::FindDirectChildrenOnly);

    header->setStretchLastSection(false);
    header->setMinimumSectionSize(larghezzaMinimaSezione);
    tuttoInterattivo(header);

    const QByteArray stato = QSettings(IMPOSTAZIONI_COLONNE).value(chiave).toByteArray();
    if (!stato.isEmpty()) {
        header->restoreState(stato);
        tuttoInterattivo(header);
        // Widths kept from another language can be narrower than a title in
        // this one.
        titoliInteri(tabella);
    } else {
        tabella->resizeColumnsToContents();
        for (int i = 0; i < tabella->columnCount(); ++i) {
            int larghezza = tabella->columnWidth(i) + aggiunta;
            if (i < minimi.size() && minimi.at(i) > larghezza)
                larghezza = minimi.at(i);
            tabella->setColumnWidth(i, qMin(larghezza, larghezzaMassimaAdattata));
        }
    }

    // Every later resize of the filled table, by the user or the program,
    // stores the state at once.
    auto* contesto = new QObject(tabella);
    contesto->setObjectName(QLatin1String(nomeSalvataggio));
    QObject::connect(header, &QHeaderView::sectionResized, contesto, [tabella, header, chiave](int, int, int) {
        if (tabella->rowCount() == 0)
            return;
        QSettings s(IMPOSTAZIONI_COLONNE);
        s.setValue(chiave, header->saveState());
    });
}

void TabellaUtils::titoliInteri(QTableView* tabella)
{
    if (!tabella)
        return;
    QHeaderView* header = tabella->horizontalHeader();
    header->ensurePolished(); // the titles measured in the style sheet's font
    // The last column's own width, not the stretched one; stretched again
    // after, it never gets narrower than that width.
    const bool stira = header->stretchLastSection();
    header->setStretchLastSection(false);
    for (int i = 0; i < header->count(); ++i) {
        const int titolo = header->sectionSizeHint(i);
        if (!header->isSectionHidden(i) && header->sectionSize(i) < titolo)
            header->resizeSection(i, titolo);
    }
    header->setStretchLastSection(stira);
}
