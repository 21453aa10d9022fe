#include "liaison/interface.h"
#include "liaison/liaison.h"
#include "liaison/vitesse_carte.h"

#include <gtest/gtest.h>

#include <QByteArrayList>

#include <algorithm>

using namespace optolink;

namespace {

// A clock that a yield moves on by a millisecond, or to its deadline if that comes first.
struct TempsPasAPas final : Horloge, Boucle {
    double t = 0;
    double maintenant_s() override { return t; }
    void ceder(double echeance_s) override { t = std::min(echeance_s, t + 0.001); }
};

// A board behind its port, reduced to the rates of both ends: it moves to the rate asked for, answers
// "WEA 0" when both ends agree, and comes back to 9600 baud at a byte sent at 9600.
struct CarteScriptee final : Com {
    bool port_accepte = true;
    QByteArray reponse = "2\r";
    int bauds_port = vitesse_interface_bauds;
    int bauds_carte = vitesse_interface_bauds;
    QByteArrayList ecrits;
    QByteArray a_lire;
    bool ouvert = false;

    void setCommPort(int) override {}
    int commPort() const override { return 1; }
    void setSettings(const QString&) override { bauds_port = vitesse_interface_bauds; }
    bool regler_vitesse(int bauds) override
    {
        if (!port_accepte)
            return false;
        bauds_port = bauds;
        return true;
    }
    bool setPortOpen(bool o) override { return ouvert = o, true; }
    bool portOpen() const override { return ouvert; }
    QString erreur() const override { return {}; }
    QString peripherique() const override { return {}; }
    void output(const QByteArray& octets) override
    {
        ecrits.append(octets);
        if (bauds_port != bauds_carte) {
            bauds_carte = vitesse_interface_bauds; // a framing error there
            return;
        }
        if (octets == "WVITESSE 500000\r")
            bauds_carte = vitesse_carte_bauds;
        if (octets == "WEA 0\r")
            a_lire += reponse;
    }
    QByteArray input() override { return std::exchange(a_lire, {}); }
    void setInputLen(int) override {}
    int inputLen() const override { return 0; }
};

} // namespace

TEST(VitesseCarte, LaCarteQuiSalueEstAccelereeSinonToutRevientA9600)
{
    const QString accueil = QStringLiteral("OPTOLINK CARTE 1\r");
    const struct Cas {
        const char* nom;
        QString recu;
        bool port_accepte;
        QByteArray reponse;
        bool acceleree;
        QByteArrayList ecrits;
    } cas[] = {
        {"interface muette", "", true, "2\r", false, {}},
        {"accueil inachevé", "OPTOLINK CARTE 1", true, "2\r", false, {}},
        {"autre texte", "2\r", true, "2\r", false, {}},
        {"carte", accueil, true, "63\r", true, {"WVITESSE 500000\r", "WEA 0\r"}},
        {"après le chargeur", "\x14\x10" + accueil, true, "2\r", true, {"WVITESSE 500000\r", "WEA 0\r"}},
        {"port sans cette vitesse", accueil, false, "2\r", false, {"WVITESSE 500000\r", "\xff"}},
        {"pas de réponse", accueil, true, "", false, {"WVITESSE 500000\r", "WEA 0\r", "\xff"}},
        {"réponse illisible", accueil, true, "2?\r", false, {"WVITESSE 500000\r", "WEA 0\r", "\xff"}},
        {"réponse hors échelle", accueil, true, "300\r", false, {"WVITESSE 500000\r", "WEA 0\r", "\xff"}},
    };
    for (const Cas& c : cas) {
        CarteScriptee com;
        com.port_accepte = c.port_accepte;
        com.reponse = c.reponse;
        TempsPasAPas temps;
        Liaison liaison(com, temps);
        ASSERT_TRUE(liaison.ouvrir_port(1));
        EXPECT_EQ(accelerer_si_carte(liaison, temps, temps, c.recu), c.acceleree) << c.nom;
        EXPECT_EQ(com.ecrits, c.ecrits) << c.nom;
        const int attendue = c.acceleree ? vitesse_carte_bauds : vitesse_interface_bauds;
        EXPECT_EQ(liaison.vitesse_bauds(), attendue) << c.nom;
        EXPECT_EQ(com.bauds_port, attendue) << c.nom;
        EXPECT_EQ(com.bauds_carte, attendue) << c.nom;
        EXPECT_DOUBLE_EQ(liaison.duree_caractere(), 10.0 / attendue) << c.nom;
        // The command has crossed the line at 9600 baud with the margin before the rate changes; a
        // failed check costs at most its wait.
        if (!c.ecrits.isEmpty()) {
            EXPECT_GE(temps.t, 16 * 10.0 / 9600 + 0.1) << c.nom;
        }
        EXPECT_LT(temps.t, 0.4) << c.nom;
    }
}
