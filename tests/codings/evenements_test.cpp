// What the transmitters and receivers report, in order, during whole exchanges in virtual time:
// the window's model shows nothing the codings did not report, so a report lost or out of place is
// a window that shows the wrong thing at the wrong moment.

#include "codages/emetteur_morse.h"
#include "codages/recepteur_morse.h"
#include "rapide/emetteur_binaire_rapide.h"
#include "rapide/recepteur_binaire_rapide.h"
#include "postes_virtuels/postes_simules.h"
#include "postes_virtuels/synthese.h"

#include "impression.h"

#include <gtest/gtest.h>

#include <map>

using namespace optolink;
using namespace optolink::essai;

namespace {

// The journal writes a coding as its short name, the one the routines' names carry.
QString nom(optolink::Codage code)
{
    switch (code) {
    case optolink::Codage::morse: return QStringLiteral("m");
    case optolink::Codage::binaire: return QStringLiteral("b");
    case optolink::Codage::morse_rapide: return QStringLiteral("mr");
    case optolink::Codage::binaire_rapide: return QStringLiteral("br");
    }
    return {};
}

// Notes each report, then passes it on to the station's own model so that the exchange runs as it
// would. Progress and the symbols so far are noted by name: a run of them is one entry.
class Journal final : public Evenements {
public:
    explicit Journal(Evenements& suite) : suite_(suite) {}
    QStringList entrees;
    QString lu() const { return entrees.join(" | "); }

    void attente_commencee() override
    {
        noter("attente");
        suite_.attente_commencee();
    }
    void impulsion(double debut_s, double fin_s, const QString& sorte) override
    {
        noter("impulsion " + sorte);
        suite_.impulsion(debut_s, fin_s, sorte);
    }
    void reception_commencee(optolink::Codage code) override
    {
        noter("réception " + nom(code));
        suite_.reception_commencee(code);
    }
    void symboles_recus(const QString& s) override
    {
        noter("symboles");
        suite_.symboles_recus(s);
    }
    void enregistrement_recu(Trace t) override
    {
        noter("enregistrement");
        suite_.enregistrement_recu(std::move(t));
    }
    void message_recu(optolink::Codage code, const QString& m, const QString& s) override
    {
        noter("message " + nom(code) + " « " + m + " » « " + s + " »");
        suite_.message_recu(code, m, s);
    }
    void enregistrement_a_proposer(optolink::Codage code) override
    {
        noter("proposer " + nom(code));
        suite_.enregistrement_a_proposer(code);
    }
    void reception_terminee() override
    {
        noter("fin de réception");
        suite_.reception_terminee();
    }
    void decodage_commence() override
    {
        noter("décodage");
        suite_.decodage_commence();
    }
    void repeindre() override
    {
        noter("repeindre");
        suite_.repeindre();
    }
    void fichier_decode(optolink::Codage code, const QString& m, const QString& s) override
    {
        noter("fichier " + nom(code));
        suite_.fichier_decode(code, m, s);
    }
    void envoi_commence(optolink::Codage code) override
    {
        noter("envoi " + nom(code));
        suite_.envoi_commence(code);
    }
    void signal_prevu(const QString& signal) override
    {
        noter("signal « " + signal + " »");
        suite_.signal_prevu(signal);
    }
    void signal_emis() override
    {
        noter("signal émis");
        suite_.signal_emis();
    }
    void envoi_fini(optolink::Codage code) override
    {
        noter("envoi fini " + nom(code));
        suite_.envoi_fini(code);
    }
    void attente_du_recepteur(double fait_s, double total_s, double reste_s) override
    {
        noter("attente du récepteur");
        suite_.attente_du_recepteur(fait_s, total_s, reste_s);
    }
    void telechargement(int recus, int attendus, double reste_s) override
    {
        noter("téléchargement");
        suite_.telechargement(recus, attendus, reste_s);
    }
    void avancement_fini() override
    {
        noter("avancement fini");
        suite_.avancement_fini();
    }

private:
    void noter(const QString& entree)
    {
        if (entrees.isEmpty() || entrees.back() != entree)
            entrees << entree;
    }
    Evenements& suite_;
};

// Both stations of an exchange, each with its journal; A sends what is typed in its Texte1.
struct Journaux {
    std::map<const Poste*, Journal> journaux;

    Journal& de(Poste& p) { return journaux.try_emplace(&p, p.modele).first->second; }
};

} // namespace

TEST(Evenements, UnEchangeEnMorseLent)
{
    Journaux j;
    essai::Codage codage = morse_lent();
    codage.envoyer = [&](Poste& p) {
        Btonenvoiemorse_Click(p.liaison, p.plateforme, p.etat, j.de(p), p.fenetre.Texte1.Text);
    };
    codage.attendre = [&](Poste& p) { attentereceptionmorse(p.plateforme, p.etat, j.de(p)); };
    DeuxPostes postes;
    ASSERT_TRUE(postes.echanger(codage, "e", 1, 50).complet);

    EXPECT_EQ(j.de(postes.posteA).lu(), "attente | envoi m | signal « . (e)  » | signal émis | envoi fini m");
    EXPECT_EQ(j.de(postes.posteB).lu(), "attente | impulsion début | réception m | symboles | impulsion . | symboles | "
                                        "impulsion fin | message m « . (e)  = e » «  » | fin de réception");
    EXPECT_EQ(postes.posteB.fenetre.Texte2.Text, ". (e)  = e");
}

TEST(Evenements, UnEchangeEnBinaireRapide)
{
    Journaux j;
    essai::Codage codage = binaire_rapide();
    codage.envoyer = [&](Poste& p) {
        Btonenvoi_binrap_Click(p.liaison, p.plateforme, p.etat, j.de(p), p.fenetre.Texte1.Text);
    };
    codage.attendre = [&](Poste& p) { attentereceptionbinairerapide(p.liaison, p.plateforme, p.etat, j.de(p)); };
    DeuxPostes postes;
    ASSERT_TRUE(postes.echanger(codage, "A", 1, 30, 30).complet);

    EXPECT_EQ(j.de(postes.posteA).lu(), "attente | envoi br | signal « 01000001 (A)   ( )  = 101000001  » | attente du "
                                        "récepteur | avancement fini | signal émis | envoi fini br");
    const QStringList b = j.de(postes.posteB).entrees;
    ASSERT_GE(b.size(), 10);
    EXPECT_EQ(b.mid(0, 6).join(" | "),
              "attente | impulsion début | symboles | réception br | téléchargement | avancement fini");
    EXPECT_EQ(b.mid(b.size() - 4).join(" | "), "enregistrement | message br « " + postes.posteB.etat.message + " » « "
                                                   + postes.posteB.fenetre.Texte1.Text
                                                   + " » | proposer br | fin de réception");
    EXPECT_EQ(synthese::sans_blancs_de_fin(postes.posteB.etat.message), "A");
}
