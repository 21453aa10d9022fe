#pragma once

#include "impression.h"
#include "postes_virtuels/postes_simules.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace optolink::essai {

// The notice a slow receiver appends to a message ended by silence (the binary one puts a blank
// in front).
inline const QString avis_silence = QStringLiteral(
    "réception interrompue automatiquement (vérifier le montage, faire RAZ Orphy et relancer le programme) ");

// The light and dark periods of A's laser as the transmitter times them. Every change reaches the
// interface one character after its write, so the periods keep their length to a few
// milliseconds.
inline void verifier_durees_laser(const sim::InterfaceSimulee& interface, const std::vector<double>& attendues)
{
    constexpr double tolerance_ligne_s = 0.005;
    const auto vues = durees_laser(interface);
    ASSERT_EQ(vues.size(), attendues.size());
    for (std::size_t i = 0; i < vues.size(); ++i)
        EXPECT_NEAR(vues[i], attendues[i], tolerance_ligne_s) << "période " << i;
}

// A light shorter than the start marker's threshold, twice: the routine shows the window, runs
// the timer and starts no reception.
inline void verifier_sans_reception(optolink::Codage typecodage, const Routine& attendre, double lumiere_s)
{
    PosteScripte b(typecodage, 2.5);
    const QString legende = b.poste.fenetre.Etiquette2.Caption;
    b.recevoir(attendre, b.signal(2, {lumiere_s, 1, lumiere_s}) + 5);
    EXPECT_EQ(b.poste.fenetre.Etiquette2.Caption, legende);
    EXPECT_EQ(b.poste.fenetre.Texte2.Text, "");
    EXPECT_TRUE(b.poste.fenetre.Visible);
    EXPECT_TRUE(b.minuterie->enabled());
}

// What a station's window shows at one moment.
struct VueFenetre {
    QString etiquette1, etiquette2, texte1, texte2;
    Couleur fond_etiquette1, fond_texte1;
    bool texte1_verrouille, envoi_morse, envoi_binaire, efface;
};

inline VueFenetre vue(const FenetrePrincipale& f)
{
    return {f.Etiquette1.Caption, f.Etiquette2.Caption, f.Texte1.Text, f.Texte2.Text,
            f.Etiquette1.BackColor, f.Texte1.BackColor, f.Texte1.Locked, f.Btonenvoiemorse.Enabled,
            f.Btonenvoiebinaire.Enabled, f.Btonefface.Enabled};
}

} // namespace optolink::essai
