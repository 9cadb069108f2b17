#include "settings_text.h"

namespace dakru::ui {
namespace {

QByteArray quoted(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + '"';
}

QByteArray valueText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? "true" : "false";
    case QMetaType::Int:
    case QMetaType::LongLong: return QByteArray::number(value.toLongLong());
    default: return quoted(value.toString());
    }
}

}  // namespace

QByteArray settingsText(const QMap<QString, QVariant>& values)
{
    QByteArray text;
    QString section;
    bool first = true;
    // QMap keeps the keys sorted, so each section's keys come together.
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
        const qsizetype slash = entry.key().indexOf(u'/');
        const QString group = slash < 0 ? QStringLiteral("General") : entry.key().left(slash);
        const QString name = slash < 0 ? entry.key() : entry.key().mid(slash + 1);
        if (first || group != section) {
            text += (first ? "[" : "\n[") + group.toUtf8() + "]\n";
            section = group;
            first = false;
        }
        text += name.toUtf8() + '=' + valueText(entry.value()) + '\n';
    }
    return text;
}

}  // namespace dakru::ui
