#include "rapide/acquisition.h"

#include "postes_virtuels/com_scriptee.h"
#include "postes_virtuels/station_virtuelle.h"

#include "synthese.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {

// One station on a port whose replies the test writes, in virtual time.
struct StationScriptee : StationVirtuelle<ComScriptee> {
    Telechargement t{};

    StationScriptee() { com.setPortOpen(true); }
    void telecharger() { ASSERT_TRUE(executer([this] { t = acquisition_rapide(poste.liaison, poste.plateforme, poste.etat, poste.modele); }, 100)); }
};

} // namespace

TEST(Acquisition, LesValeursDUnOuDeuxCaracteresSontRangeesAvecLeurBlanc)
{
    StationScriptee s;
    s.com.a_lire = "12,7,,130,9,";
    s.poste.etat.tabmesures.fill(51); // an earlier, longer reception, lit all through
    s.telecharger();
    const Etat& e = s.poste.etat;
    EXPECT_EQ(s.com.ecrits, (QByteArrayList{"WPE 1  6400 1300 1 0\r", "WGOR\r"}));
    EXPECT_EQ(e.nbmesures, 3);
    EXPECT_EQ(e.tabmesures[0], 12);
    EXPECT_EQ(e.tabmesures[1], 7);
    EXPECT_EQ(e.tabmesures[2], 9);
    // What this download did not write is dark, not the light left by the earlier one.
    EXPECT_FALSE(mesuree(e.tabmesures[3]));
    EXPECT_FALSE(mesuree(e.tabmesures[Etat::taille_tabmesures - 1]));
    EXPECT_EQ(s.com.inputLen(), 0);
    // The interface said all it had long before: the download ends with the recording time.
    EXPECT_EQ(s.t.fin, FinTelechargement::silence);
    EXPECT_NEAR(s.t.duree_s, 6400 * 0.0013, 0.01);
}

TEST(Acquisition, CommandesAHuitCentsMicrosecondesEtDouzeMilleHuitCentsMesures)
{
    StationScriptee s;
    s.poste.etat.modevitesse = Echantillonnage::us800;
    s.poste.etat.nbmesuresmax = 12800;
    s.telecharger();
    EXPECT_EQ(s.com.ecrits, (QByteArrayList{"WPE 1  12800 800 1 0\r", "WGOR\r"}));
    EXPECT_DOUBLE_EQ(s.poste.etat.periodemesure, 0.0008);
    EXPECT_EQ(s.poste.etat.nbmesures, 0);
}

TEST(Acquisition, UneInterfaceMuetteFinitAvantLaLimiteAnnoncee)
{
    for (const std::int16_t nb : {6400, 12800}) {
        StationScriptee s;
        s.poste.etat.nbmesuresmax = nb;
        s.telecharger();
        EXPECT_EQ(s.t.fin, FinTelechargement::silence);
        EXPECT_LE(s.t.duree_s, nb * 0.0013 + 8 + (nb == 12800 ? 6 : 0));
    }
}

TEST(Acquisition, LaLimiteSuitLeDebitDeLaLigne)
{
    Etat e;
    e.periodemesure = 0.0013;
    e.nbmesuresmax = 6400;
    // 6400 samples of up to four characters at 960 characters a second, and 2 s more.
    EXPECT_NEAR(limite_telechargement_s(e.nbmesuresmax, e.periodemesure), 6400 * 4 / 960.0 + 2, 1e-9);
    e.periodemesure = 0.1; // a recording longer than its line time keeps the announced limit
    EXPECT_NEAR(limite_telechargement_s(e.nbmesuresmax, e.periodemesure), 640 + 8, 1e-9);
    // At a board's 500 000 baud the line keeps up: the recording and 2 s, the announced 8 s gone.
    EXPECT_NEAR(limite_telechargement_s(6400, 0.0013, 500000), 6400 * 0.0013 + 2, 1e-9);
}

TEST(Acquisition, LeCompteAtteintArreteLeTelechargement)
{
    StationScriptee s;
    s.poste.etat.nbmesuresmax = 6400;
    QByteArray texte;
    for (int i = 0; i < 6400; ++i)
        texte += QByteArray::number(i % 90) + ',';
    s.com.a_lire = texte + "51,51,";
    s.telecharger();
    EXPECT_EQ(s.t.fin, FinTelechargement::compte);
    EXPECT_EQ(s.poste.etat.nbmesures, 6400);
    EXPECT_EQ(s.poste.etat.tabmesures[6399], 9);
}
