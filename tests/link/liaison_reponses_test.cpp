#include "liaison/liaison.h"
#include "postes_virtuels/com_scriptee.h"

#include <gtest/gtest.h>

using namespace optolink;
using essai::ComScriptee;

namespace {

// A clock that moves only when the test says so.
struct HorlogeFixe final : Horloge {
    double t = 0;
    double maintenant_s() override { return t; }
};

struct LiaisonScriptee : ::testing::Test {
    ComScriptee com;
    HorlogeFixe horloge;
    Liaison liaison{com, horloge};
    QString reponseorphy;
    double tensionlue = 0;

    void SetUp() override
    {
        ASSERT_TRUE(liaison.ouvrir_liaison(3));
        com.ecrits.clear();
    }
    // One tick with this text waiting on the port, as the station keeps its reading; ticks come
    // a timer interval apart.
    double tic(const QByteArray& reponse)
    {
        horloge.t += 0.03;
        com.a_lire += reponse;
        const LectureEa0 lu = liaison.Minuterie_Timer();
        reponseorphy = lu.reponse;
        tensionlue = lu.tension_v.value_or(tensionlue);
        return tensionlue;
    }
};

} // namespace

TEST(Liaison, OuvertureEtInitialisation)
{
    ComScriptee com;
    HorlogeFixe horloge;
    Liaison liaison(com, horloge);
    EXPECT_FALSE(liaison.ouverte());
    ASSERT_TRUE(liaison.ouvrir_liaison(3));
    EXPECT_EQ(com.commPort(), 3);
    EXPECT_EQ(com.reglages, "9600,N,8,1");
    EXPECT_EQ(com.ecrits.join(), QByteArray("WFORMAT 1WASCWBAUDS 0 \r"));
    liaison.fermer_liaison();
    EXPECT_FALSE(liaison.ouverte());
}

TEST_F(LiaisonScriptee, ValeursDesReponses)
{
    EXPECT_DOUBLE_EQ(tic("255"), 20.0);
    EXPECT_DOUBLE_EQ(tic("0"), 0.0);
    EXPECT_NEAR(tic("128"), 10.0392, 1e-4);
    EXPECT_DOUBLE_EQ(tic("128"), 128 * 20.0 / 255);
    EXPECT_NEAR(tic("12\r"), 0.9412, 1e-4);
    EXPECT_NEAR(tic("12\r\n"), 0.9412, 1e-4);
    EXPECT_NEAR(tic("  12abc"), 0.9412, 1e-4);
    EXPECT_DOUBLE_EQ(tic("x12"), 0.0);
    EXPECT_EQ(reponseorphy, "x12");
}

TEST_F(LiaisonScriptee, ChaqueTicDemandeEA0PuisLitSansAttendre)
{
    tic("37\r\n");
    EXPECT_EQ(com.ecrits, QByteArrayList{"WEA 0\r"});
    EXPECT_TRUE(com.a_lire.isEmpty());
}

// Replies heaped up while no tick read them: the first number counts, the rest goes with it.
TEST_F(LiaisonScriptee, ReponsesAccumulees)
{
    EXPECT_NEAR(tic("12\r\n51\r\n51\r\n"), 0.9412, 1e-4);
}

// Nothing read: a reply merely late (a tick back to back with the one before, a bench or an adapter
// held up) leaves the last reading; an interface silent for reponse_tardive_max_s, or a port closed,
// reads 0 V, the dark, from then on; the first reply back counts again.
TEST_F(LiaisonScriptee, LectureVide)
{
    EXPECT_DOUBLE_EQ(tic(""), 0.0); // nothing asked before: nothing owed
    EXPECT_NEAR(tic("51\r"), 4.0, 1e-12);
    horloge.t -= 0.0299; // two ticks 0.1 ms apart
    EXPECT_NEAR(tic(""), 4.0, 1e-12);
    EXPECT_NEAR(tic("51\r"), 4.0, 1e-12);
    for (double attente_s = 0.03; attente_s < Liaison::reponse_tardive_max_s - 1e-9; attente_s += 0.03)
        EXPECT_NEAR(tic(""), 4.0, 1e-12) << attente_s;
    EXPECT_DOUBLE_EQ(tic(""), 0.0);
    EXPECT_DOUBLE_EQ(tic(""), 0.0);
    EXPECT_NEAR(tic("51\r"), 4.0, 1e-12);
    liaison.fermer_liaison(); // a port lost: no reply is on its way any more
    EXPECT_DOUBLE_EQ(tic(""), 0.0);
}

// Found by fuzzing: a garbled reply whose number overflows a double is refused, the last
// reading stands; the reply is still kept as read.
TEST_F(LiaisonScriptee, NombreTropLongRefuse)
{
    tic("37");
    const QByteArray reponse = '-' + QByteArray(56, '7') + "5555555" + QByteArray(114, '7') + "5555555"
        + QByteArray(134, '7') + "\x18" "7777777555845435" + QByteArray(1, '\0');
    EXPECT_DOUBLE_EQ(tic(reponse), 37 * 20.0 / 255);
    EXPECT_EQ(reponseorphy, QString::fromLatin1(reponse));
    EXPECT_DOUBLE_EQ(tic(QByteArray(400, '9')), 37 * 20.0 / 255);
    EXPECT_DOUBLE_EQ(tic("12"), 12 * 20.0 / 255);
}

// A reply caught half-way: the first read gives what has come, the next one the rest; once the
// interface has been seen to end its replies with a carriage return, the reply counts whole when
// its end comes, and a piece of a reply alone is a reply still on its way.
TEST_F(LiaisonScriptee, ReponseCoupeeEntreDeuxLectures)
{
    EXPECT_DOUBLE_EQ(tic("1"), 20.0 / 255);
    EXPECT_NEAR(tic("28\r\n"), 28 * 20.0 / 255, 1e-12);
    EXPECT_NEAR(tic("51\r5"), 4.0, 1e-12);
    EXPECT_NEAR(tic("1\r2\r"), 4.0, 1e-12);
    EXPECT_NEAR(tic("5"), 4.0, 1e-12);
    EXPECT_NEAR(tic("1"), 4.0, 1e-12);
    EXPECT_NEAR(tic("\r"), 4.0, 1e-12);
    EXPECT_NEAR(tic("2\r"), 2 * 20.0 / 255, 1e-12);
    EXPECT_EQ(reponseorphy, "2\r");

    // A piece whose end never comes is no reading once no reply is on its way: the interface
    // silent, or its port lost, reads the dark.
    EXPECT_NEAR(tic("51\r2"), 4.0, 1e-12);
    for (double attente_s = 0.03; attente_s < Liaison::reponse_tardive_max_s - 1e-9; attente_s += 0.03)
        EXPECT_NEAR(tic(""), 4.0, 1e-12) << attente_s;
    EXPECT_DOUBLE_EQ(tic(""), 0.0);
    EXPECT_NEAR(tic("51\r2"), 4.0, 1e-12);
    liaison.fermer_liaison();
    EXPECT_DOUBLE_EQ(tic(""), 0.0);
    EXPECT_DOUBLE_EQ(tic(""), 0.0);
}

TEST_F(LiaisonScriptee, CommandesDEnregistrement)
{
    struct Cas {
        int nb;
        Echantillonnage mode;
        QByteArray commande;
        double periode_s;
    };
    for (const Cas& cas : {Cas{6400, Echantillonnage::us1300, "WPE 1  6400 1300 1 0\r", 0.0013}, Cas{12800, Echantillonnage::us1300, "WPE 1  12800 1300 1 0\r", 0.0013},
                           Cas{6400, Echantillonnage::us800, "WPE 1  6400 800 1 0\r", 0.0008}, Cas{12800, Echantillonnage::us500, "WPE 1  12800 500 1 0\r", 0.0005}}) {
        com.ecrits.clear();
        const auto periode_s = liaison.programmer_enregistrement(cas.nb, cas.mode);
        liaison.lancer_enregistrement();
        EXPECT_EQ(com.ecrits, (QByteArrayList{cas.commande, "WGOR\r"}));
        EXPECT_DOUBLE_EQ(periode_s.value_or(0), cas.periode_s);
    }
    EXPECT_EQ(commande_enregistrement(6400, Echantillonnage::us1300), "WPE 1  6400 1300 1 0");
    EXPECT_EQ(commande_enregistrement(6400, static_cast<Echantillonnage>(3)), "");
}

TEST_F(LiaisonScriptee, SignauxLaser)
{
    liaison.allumer_laser();
    horloge.t += 1;
    liaison.eteindre_laser();
    horloge.t += 1;
    liaison.allumer_laser_rapide();
    horloge.t += 1;
    liaison.eteindre_laser_rapide();
    EXPECT_EQ(com.ecrits, (QByteArrayList{QByteArray("\0\r", 2), " \r", QByteArray(1, '\0'), " "}));
}

// A repeated level is dropped while the previous write is still on the line or was made less than
// rappel_signal_s ago; a change of level always goes out.
TEST_F(LiaisonScriptee, RythmeDEcritureDesSignaux)
{
    horloge.t = 10;
    liaison.allumer_laser_rapide();
    for (int i = 0; i < 1000; ++i) {
        horloge.t += 1e-5;
        liaison.allumer_laser_rapide();
    }
    EXPECT_EQ(com.ecrits.size(), 1);
    liaison.eteindre_laser_rapide();
    EXPECT_EQ(com.ecrits.size(), 2);
    liaison.allumer_laser_rapide();
    EXPECT_EQ(com.ecrits.size(), 3);
    horloge.t += Liaison::rappel_signal_s - 1e-6;
    liaison.allumer_laser_rapide();
    EXPECT_EQ(com.ecrits.size(), 3);
    horloge.t += 2e-6;
    liaison.allumer_laser_rapide();
    EXPECT_EQ(com.ecrits.size(), 4);
    // A long write keeps the line busy beyond the reminder period: the repeat waits for the line.
    horloge.t = 11;
    liaison.ecrire(QByteArray(100, 'x'));
    liaison.eteindre_laser();
    horloge.t += 0.1;
    liaison.eteindre_laser();
    EXPECT_EQ(com.ecrits.size(), 6);
    horloge.t += 0.01;
    liaison.eteindre_laser();
    EXPECT_EQ(com.ecrits.size(), 7);
    EXPECT_EQ(com.ecrits.back(), " \r");
}

TEST_F(LiaisonScriptee, LectureOctetParOctet)
{
    com.a_lire = "12,7,";
    liaison.definir_longueur_entree(1);
    EXPECT_EQ(liaison.lire(), "1");
    EXPECT_EQ(liaison.lire(), "2");
    liaison.definir_longueur_entree(0);
    EXPECT_EQ(liaison.lire(), ",7,");
    EXPECT_EQ(liaison.lire(), "");
}

TEST_F(LiaisonScriptee, PortFermeRienNePart)
{
    liaison.fermer_liaison();
    liaison.allumer_laser();
    liaison.lancer_enregistrement();
    EXPECT_EQ(tic("51\r\n"), 0.0);
    EXPECT_TRUE(com.ecrits.isEmpty());
}
