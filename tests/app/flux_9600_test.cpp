#include "codages/emetteur_morse.h"
#include "codages/recepteur_morse.h"
#include "programme/boucle_principale.h"
#include "programme/demarrage.h"
#include "programme/menus.h"
#include "rapide/recepteur_binaire_rapide.h"
#include "postes_virtuels/station_virtuelle.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace optolink;
using namespace optolink::essai;

namespace {

// Everything the program does with its port, in order: its settings, its writes, what it reads
// (the reads that return nothing are left out), the input length it sets. Runs of one repeated
// token, the samples of a download read one byte at a time, are written once with their count.
class ComEnregistreur final : public Com {
public:
    explicit ComEnregistreur(Com& port) : port_(port) {}

    void setCommPort(int numero) override { port_.setCommPort(numero); }
    int commPort() const override { return port_.commPort(); }
    void setSettings(const QString& reglages) override
    {
        noter("reglages " + reglages.toLatin1());
        port_.setSettings(reglages);
    }
    bool setPortOpen(bool ouvert) override
    {
        noter(ouvert ? "ouverture" : "fermeture");
        return port_.setPortOpen(ouvert);
    }
    bool portOpen() const override { return port_.portOpen(); }
    QString erreur() const override { return port_.erreur(); }
    QString peripherique() const override { return port_.peripherique(); }
    void output(const QByteArray& octets) override
    {
        noter("> " + visible(octets));
        port_.output(octets);
    }
    QByteArray input() override
    {
        const QByteArray lus = port_.input();
        if (!lus.isEmpty())
            lire(lus);
        return lus;
    }
    void setInputLen(int longueur) override
    {
        noter("longueur " + QByteArray::number(longueur));
        port_.setInputLen(longueur);
    }
    int inputLen() const override { return port_.inputLen(); }
    void reveil_a_l_arrivee(bool oui) override { port_.reveil_a_l_arrivee(oui); }

    QByteArray flux() const { return flux_ + repetition() + lu_; }

private:
    static QByteArray visible(const QByteArray& octets)
    {
        QByteArray v;
        for (const char c : octets)
            v += c == '\r' ? QByteArray("\\r") : c == '\0' ? QByteArray("\\0") : QByteArray(1, c);
        return v;
    }
    QByteArray repetition() const { return repetitions_ > 1 ? " *" + QByteArray::number(repetitions_) : ""; }
    void finir_lecture()
    {
        if (!lu_.isEmpty() || !dernier_.isEmpty())
            flux_ += "< " + dernier_ + repetition() + lu_ + '\n';
        lu_.clear();
        dernier_.clear();
        repetitions_ = 0;
    }
    void noter(const QByteArray& ligne)
    {
        finir_lecture();
        flux_ += ligne + '\n';
    }
    // The bytes read join the token under way; a token is closed by "," or a carriage return.
    void lire(const QByteArray& octets)
    {
        for (const char c : octets) {
            lu_ += visible(QByteArray(1, c));
            if (c != ',' && c != '\r')
                continue;
            if (lu_ == dernier_) {
                ++repetitions_;
            } else {
                if (!dernier_.isEmpty())
                    flux_ += "< " + dernier_ + repetition() + '\n';
                dernier_ = lu_;
                repetitions_ = 1;
            }
            lu_.clear();
        }
    }

    Com& port_;
    QByteArray flux_;
    QByteArray dernier_; // the last token read, and how many times in a row
    int repetitions_ = 0;
    QByteArray lu_;      // the token under way
};

} // namespace

template <>
struct optolink::essai::PortDeStation<ComEnregistreur> {
    PortDeStation(sim::TempsVirtuel& temps, const ReglagesStation& reglages)
        : banc(temps, reglages.lumiere), simule(banc.interface(0), temps), com(simule)
    {
    }
    sim::Banc banc;
    sim::ComSimule simule;
    ComEnregistreur com;
};

// An interface that says nothing at start-up is driven at 9600 baud with the bytes, in the order,
// that the program has always written and read: a start-up with its receiver test, a slow Morse
// message, then a fast binary recording started by the facing laser, and its download.
TEST(FluxSansAccueil, DemarrageEnvoiLentEtTelechargementRapide)
{
    StationVirtuelle<ComEnregistreur, BoitesScriptees> s;
    s.simule.surReception([&] { s.acteur.programmer(s.temps.maintenant_s(), [] {}); });
    s.boites.saisies = {"1"};
    sim::InterfaceSimulee& en_face = s.banc.interface(1);
    const auto laser_en_face = [&](bool allume) { en_face.envoyer(QByteArray(1, allume ? '\0' : ' ')); };
    s.boites.pendant = [&](const BoiteVue& v) {
        if (v.titre == " Résultat de mesure de la tension seuil ")
            laser_en_face(true);
        if (v.titre == " Résultat du test : CORRECT ")
            laser_en_face(false);
    };
    bool pret = false;
    s.acteur.programmer(20, [&] {
        s.poste.fenetre.Texte1.Text = "e";
        Btonenvoiemorse_Click(s.poste.liaison, s.poste.plateforme, s.poste.etat, s.poste.modele, "e");
        menu_Click(s.poste, Menu::menu_binairerap_17s);
    });
    s.temps.programmer(40, [&] { laser_en_face(true); });
    s.temps.programmer(41, [&] { laser_en_face(false); });
    s.temps.programmer(43, [&] { laser_en_face(true); });
    s.temps.programmer(44, [&] { laser_en_face(false); });
    s.acteur.programmer(80, [&] { s.poste.etat.typecodage.reset(); });
    ASSERT_TRUE(s.executer(
        [&] {
            pret = demarrage(s.poste);
            if (pret)
                boucle_principale(s.poste, Routines{{optolink::Codage::morse, attentereceptionmorse},
                                                    {optolink::Codage::binaire_rapide, attentereceptionbinairerapide}});
        },
        100));
    ASSERT_TRUE(pret);
    EXPECT_EQ(s.poste.etat.nbmesures, 6400);

    QFile attendu(QStringLiteral(OPTOLINK_ESSAIS_DONNEES "/flux_9600.txt"));
    const QByteArray flux = s.com.flux();
    if (!attendu.open(QIODevice::ReadOnly)) {
        QFile ecrit(QStringLiteral("flux_9600.txt"));
        ASSERT_TRUE(ecrit.open(QIODevice::WriteOnly));
        ecrit.write(flux);
        FAIL() << "flux de référence absent : écrit dans flux_9600.txt (" << flux.size() << " octets)";
    }
    const QList<QByteArray> lignes = attendu.readAll().split('\n');
    const QList<QByteArray> lues = flux.split('\n');
    for (qsizetype i = 0; i < std::min(lignes.size(), lues.size()); ++i)
        ASSERT_EQ(lues[i].toStdString(), lignes[i].toStdString()) << "ligne " << i + 1;
    EXPECT_EQ(lues.size(), lignes.size());
}
