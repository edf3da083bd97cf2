#pragma once

#include <QList>
#include <QString>

class QTableWidget;

namespace TabellaUtils {

// Gives a filled table user-resizable columns whose widths survive a restart:
// the header state stored under `chiave` (settings scope "ColonneTabelle") is
// restored; without one the columns are fitted to their contents plus 16
// pixels, raised to `minimi[i]` where given and capped at 260. From then on
// every column resize stores the header state under `chiave` at once. A null
// table is ignored; calling it again after a refill is harmless.
void configuraESalva(QTableWidget* tabella, const QString& chiave, const QList<int>& minimi = {});

} // namespace TabellaUtils
