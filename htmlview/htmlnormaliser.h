#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Marker appended to a picture source that carries the bare attribute `transp`: the view keys out the colour of
// the picture's bottom-left pixel.
inline constexpr QLatin1StringView kTranspMarker("?transp");

struct NormalisedHtml {
    QString html;
    QStringList pictures; // every picture source as written into html (body background included)
};

// Rewrites our HTML subset into markup that QTextDocument renders as intended:
// - <dir> levels become flat <div style="margin-left:…"> blocks, reopened after block-closing tags inside them;
// - colours written without "#" (COLOR=00418D41) become "#" plus their last six digits;
// - `transp` on a picture becomes kTranspMarker on its source;
// - a <td> without width that holds only pictures and links gets width="1%";
// - a NAME anchor wraps the first character of the text that follows it; HREF anchors never nest, and </a>
//   closes only the open HREF;
// - without underlineLinks, a link is not underlined unless it stands inside <u>.
NormalisedHtml normaliseHtml(QStringView html, bool underlineLinks = true);
