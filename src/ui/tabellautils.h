#pragma once

#include <QList>
#include <QString>

class QTableView;
class QTableWidget;

namespace TabellaUtils {

// Gives a filled table user-resizable columns whose widths survive a restart:
// the header state stored under `chiave` (settings scope "ColonneTabelle") is
// restored; without one the columns are fitted to their contents plus 16
// pixels, raised to `minimi[i]` where given and capped at 260. From then on
// every column resize of the filled table stores the header state under
// `chiave` at once (the widths of an empty table, fitted to the titles alone,
// are not kept for its contents). A null
// table is ignored; calling it again after a refill is harmless.
void configuraESalva(QTableWidget* tabella, const QString& chiave, const QList<int>& minimi = {});

// Widens every shown column narrower than its title to the title's width, so
// each header reads whole; a stretched last column never gets narrower than
// its title. Other columns keep their width. For columns of a settable width
// (not those stretched evenly).
void titoliInteri(QTableView* tabella);

} // namespace TabellaUtils
