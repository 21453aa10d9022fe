#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

// Any bytes as a saved recording, decoded by both file decoders as the open dialog runs them,
// progress shown.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    QByteArray contenu = QByteArray::fromRawData(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    QBuffer fichier(&contenu);
    fichier.open(QIODevice::ReadOnly);
    const auto progression = [](const QString&) {};
    optolink::decode_fichiermorserap(fichier, progression);
    fichier.seek(0);
    optolink::decode_fichierbinrap(fichier, progression);
    return 0;
}
