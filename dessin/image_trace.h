#pragma once

#include "dessin/cadrage.h"
#include "dessin/curseurs.h"
#include "poste/trace.h"

#include <QSize>
#include <QString>

namespace optolink {

constexpr QSize taille_image{1600, 640};

// SVG needs Qt's SVG module, which the Windows edition is built without: there, images are PNG.
#ifdef OPTOLINK_SVG
constexpr bool svg_disponible = true;
#else
constexpr bool svg_disponible = false;
#endif

// Writes the view of trace as a PNG or, where svg_disponible, an SVG image, chosen by the name's
// suffix (.png, .svg).
// Returns the reason in French when it could not, empty on success.
QString exporter_image(const Trace& trace, const Cadrage& cadrage, const QString& chemin, QSize taille = taille_image,
                       const Curseurs& curseurs = {});

} // namespace optolink
