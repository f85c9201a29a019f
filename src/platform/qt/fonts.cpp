#include "fonts.h"

#include <QFontDatabase>
#include <QString>

namespace velmo::qt {

namespace {

// The program's own faces, added once, before the first is asked for. Where
// the design's own faces are installed, they are not used: they would set
// the text on other rows and advances than every other machine and the page.
void add_faces()
{
    static const bool added = [] {
        for (const char* name : {"velmo-black", "velmo-black-italic", "velmo-sans", "velmo-sans-bold"})
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.woff2").arg(QLatin1String(name)));
        return true;
    }();
    (void)added;
}

QFont font_of(const Face& face, int pixel_size)
{
    add_faces();
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
