#include "sim/interface_simulee.h"
#include "sim/temps_virtuel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace optolink::sim;

// Any bytes written to the simulated interface, carried by its line in virtual time until they
// have all arrived and its replies had time to follow. Every byte reaches the interface in order,
// and the commands of each line put end to end give the line again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    TempsVirtuel temps;
    TempsVirtuel::Acteur& horloge = temps.acteur("ordinateur");
    InterfaceSimulee interface(temps, QStringLiteral("A"), [] { return 1.0; });
    QByteArray reponses;
    interface.surReponse([&](char c) { reponses.append(c); });
    interface.envoyer(octets);
    horloge.attendre_jusqua((octets.size() + 20) * LigneSerie::duree_caractere_s);

    if (interface.octets_recus() != octets)
        std::abort();
    for (const QByteArray& ligne : interface.lignes_recues())
        if (commandes_de_ligne(ligne).join() != ligne)
            std::abort();
    return 0;
}
