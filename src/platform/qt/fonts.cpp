#include "fonts.h"

#include <QFontDatabase>
#include <QString>

#include <set>
#include <string_view>

namespace velmo::qt {

namespace {

// The program's own faces, each added the first time it is asked for, so a
// start pays only for those its first screen shows. Where the design's own
// faces are installed, they are not used: they would set the text on other
// rows and advances than every other machine and the page.
void add_face(const Face& face)
{
    static std::set<std::string_view> added;
    if (added.insert(face.file).second)
        QFontDatabase::addApplicationFont(
            QStringLiteral(":/fonts/%1.woff2").arg(QLatin1String(face.file.data(), face.file.size())));
}

QFont font_of(const Face& face, int pixel_size)
{
    add_face(face);
    QFont f(QString::fromUtf8(face.family.data(), static_cast<qsizetype>(face.family.size())));
    f.setPixelSize(pixel_size > 0 ? pixel_size : face.pixel_size);
    f.setWeight(static_cast<QFont::Weight>(face.weight));
    f.setItalic(face.italic);
    return f;
}

} // namespace

QFont font_for(FontRole role, int pixel_size) { return font_of(face(role), pixel_size); }

QFont button_font() { return font_of(button_face, 0); }

} // namespace velmo::qt
