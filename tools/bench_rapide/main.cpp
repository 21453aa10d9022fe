// Prints, for each fast coding, emission speed, recording length and light-noise level, the share
// of random messages that the receiving station decodes exactly, over the simulated bench in
// virtual time (the real transmitter and receiver code on two stations); for fast binary, also how
// the share falls when every laser change reaches the interface with a random delay.
//
// optolink-bench-rapide [messages per cell, 10 by default] [--details: each failure on stderr]

#include "deux_fils.h"
#include "echange_rapide.h"

#include <QStringList>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace optolink;
using namespace optolink::essai;

namespace {

const double bruits_v[] = {0, 0.25, 0.5};
const double gigues_s[] = {0.001, 0.002, 0.004};

// Words of 1 to 5 characters, single spaces, as long as the recording holds them with room left.
QString message_au_hasard(bool binaire, const ReglageRapide& r, std::mt19937& hasard)
{
    static const QString morse = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    static const QString clavier = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789éèêàçùôïÉÀ.,;:!?'-()€@");
    const QString& alphabet = binaire ? clavier : morse;
    auto tirage = [&](int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard); };
    const auto part = [&](const QString& t) { return binaire ? part_binaire(t, r) : part_morse(t, r); };
    QString texte;
    for (;;) {
        QString mot;
        for (int i = tirage(1, 5); i > 0; --i)
            mot += alphabet[tirage(0, static_cast<int>(alphabet.size()) - 1)];
        const QString suivant = texte.isEmpty() ? mot : texte + u' ' + mot;
        if (part(suivant) > 0.8 || (texte.size() > 4 && tirage(0, 2) == 0))
            return texte.isEmpty() ? mot.left(1) : texte;
        texte = suivant;
    }
}

struct Case {
    bool binaire;
    ReglageRapide reglage;
    double bruit_v;
    double gigue_s;
    std::atomic<int> reussis{0};
};

bool details = false;

void mesurer(Case& c, int nb_messages)
{
    std::mt19937 hasard(4321 + static_cast<unsigned>(c.reglage.dureebit * 1000 + c.reglage.nbmesuresmax
                                                      + c.bruit_v * 100 + c.gigue_s * 1e5));
    const Codage codage = c.binaire ? binaire_rapide() : morse_rapide();
    for (int n = 0; n < nb_messages; ++n) {
        sim::ReglagesLumiere lumiere;
        lumiere.bruit_v = c.bruit_v;
        lumiere.graine = static_cast<std::uint32_t>(hasard());
        const QString texte = message_au_hasard(c.binaire, c.reglage, hasard);
        const auto graine = static_cast<std::uint32_t>(hasard());
        const EchangeRapide e = echanger_rapide(
            codage, texte, c.reglage,
            [&](DeuxPostes& p) { p.banc.interface(0).regler_gigue_laser(c.gigue_s, graine); }, lumiere);
        // The silence after the message adds blanks to it.
        QString recu = e.b.message;
        while (recu.endsWith(u' '))
            recu.chop(1);
        if (e.complet && recu == texte)
            ++c.reussis;
        else if (details)
            std::fprintf(stderr, "%s %s %d %.2f V %.0f ms: sent \"%s\", received \"%s\" (%s)\n",
                         c.binaire ? "binary" : "Morse", c.reglage.vitesse, c.reglage.nbmesuresmax, c.bruit_v,
                         c.gigue_s * 1000, texte.toUtf8().constData(), recu.toUtf8().constData(),
                         (c.binaire ? e.b.chainebits : e.fb.Texte1.Text).toUtf8().constData());
    }
}

void imprimer_ligne(const char* legende, const std::vector<std::unique_ptr<Case>>& cases, std::size_t& i,
                    std::size_t nb, int nb_messages)
{
    std::printf("%-18s", legende);
    for (std::size_t k = 0; k < nb; ++k, ++i)
        std::printf("%7d%%", 100 * cases[i]->reussis.load() / nb_messages);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    int nb_messages = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--details")
            details = true;
        else
            nb_messages = std::max(1, std::atoi(argv[i]));
    }
    const std::vector<ReglageRapide> reglages = reglages_rapides();
    std::vector<std::unique_ptr<Case>> cases;
    const auto ajouter = [&](bool binaire, double bruit, double gigue) {
        for (const ReglageRapide& r : reglages)
            cases.push_back(std::make_unique<Case>(binaire, r, bruit, gigue));
    };
    for (bool binaire : {false, true})
        for (double bruit : bruits_v)
            ajouter(binaire, bruit, 0);
    for (double gigue : gigues_s)
        ajouter(true, 0, gigue);

    sur_deux_fils(cases.size(), [&](std::size_t i) { mesurer(*cases[i], nb_messages); });

    std::printf("Fast codings over the simulated bench: %% of %d random messages decoded exactly\n", nb_messages);
    std::printf("(x 1, x 2, x 3 record every 1300, 800, 500 us, the other speeds every 1300 us; trailing blanks\n"
                "ignored; noise: each sample moves by up to that many volts either way, dark 0.16 V, light +3.9 V)\n");
    std::size_t i = 0;
    const auto entete = [&](const char* titre) {
        std::printf("\n%s\n%-18s", titre, "");
        for (const ReglageRapide& r : reglages)
            std::printf("%8s", (std::string(r.vitesse) + (r.nbmesuresmax == 12800 ? "/30s" : "")).c_str());
        std::printf("\n");
    };
    for (bool binaire : {false, true}) {
        entete(binaire ? "fast binary" : "fast Morse");
        for (double bruit : bruits_v)
            imprimer_ligne((std::to_string(bruit).substr(0, 4) + " V noise").c_str(), cases, i, reglages.size(),
                           nb_messages);
    }
    entete("fast binary, write-to-effect jitter (no noise)");
    for (double gigue : gigues_s)
        imprimer_ligne((std::to_string(static_cast<int>(gigue * 1000)) + " ms jitter").c_str(), cases, i,
                       reglages.size(), nb_messages);
    return 0;
}
