#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace dakru::art {

// One review picture of the artwork as it lies in `assetsDir`: the cover with
// its hot spots outlined, the cover as it looks in play under a mock sheet, the
// thirteen dice (actual size and enlarged), the high-score background with mock
// entries, and the icons. Empty when a picture can't be read; `error` says which.
std::optional<QImage> contactSheet(const QString& assetsDir, QString& error);

}  // namespace dakru::art
