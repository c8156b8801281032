// The database files of a data folder's category folders whose names are not UTF-8: the
// system cannot give such a name as text, so neither the tree nor a tool can open the file.
// The tools that go through a whole data folder report them instead of passing over them.
#pragma once

#include <QStringList>

namespace NomiNonUtf8 {
// Each as far as it can be shown (relative to the data folder, the bytes that are not
// UTF-8 as U+FFFD), in name order.
QStringList FileDatabase(const QString& cartellaDati);
} // namespace NomiNonUtf8
