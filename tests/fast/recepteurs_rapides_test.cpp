#include "verifications_rapides.h"

#include "programme/menus.h"
#include "analyse/emission_prevue.h"
#include "rapide/recepteur_binaire_rapide.h"
#include "rapide/recepteur_morse_rapide.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {

struct Attente {
    optolink::Codage typecodage;
    Routine attendre;
};
const Attente attentes[] = {{optolink::Codage::morse_rapide, attentereceptionmorserapide},
                            {optolink::Codage::binaire_rapide, attentereceptionbinairerapide}};

// A light of lumiere_s, then darkness: whether the receiver started a reception.
bool declenche(const Attente& a, double lumiere_s)
{
    PosteScripte b(a.typecodage, 1);
    b.recevoir(a.attendre, b.signal(2, {lumiere_s}) + 30);
    return b.poste.fenetre.Etiquette2.Caption == " FIN DE RECEPTION DU MESSAGE";
}

} // namespace

TEST(RecepteursRapides, UneLumiereDe045SecondeDeclencheLaReceptionPasUneDe044)
{
    for (const Attente& a : attentes) {
        EXPECT_FALSE(declenche(a, 0.44)) << qPrintable(nom_codage(a.typecodage));
        EXPECT_TRUE(declenche(a, 0.45)) << qPrintable(nom_codage(a.typecodage));
    }
}

TEST(RecepteursRapides, UnChangementDeCodagePendantLaReceptionPrendEffetApres)
{
    bool recu_en_binaire_rapide = false;
    const auto e = echanger_rapide(morse_rapide(), "sos", reglages_rapides()[5], [&](DeuxPostes& postes) {
        postes.pendant_envoi_apres_s = 6;
        postes.pendant_envoi = [&] {
            postes.acteurB.programmer(0, [&] {
                menu_Click(postes.posteB, Menu::menu_binairerap_17s);
                recu_en_binaire_rapide = postes.posteB.etat.typecodage == optolink::Codage::binaire_rapide;
            });
        };
    });
    ASSERT_TRUE(e.complet);
    EXPECT_TRUE(recu_en_binaire_rapide);
    EXPECT_EQ(e.enregistrements, 1);
    EXPECT_TRUE(suivi_de_blancs(e.fb.Texte2.Text, "sos"));
    EXPECT_EQ(e.fb.Texte1.Text, "code morse reçu : ... (s) --- (o) ... (s) ");
}
