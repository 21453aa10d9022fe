#include "programme/menus.h"

namespace optolink {

namespace {

// Each family's handler, by the kind of action the entry carries.
struct Agir {
    Poste& poste;
    Menu entree;

    void operator()(const SousMenu&) const {}
    void operator()(const ChoixCodage& a) const { changer_codage(poste, a); }
    void operator()(const Vitesse& a) const { choisir_vitesse(poste, a); }
    void operator()(const Intervalle& a) const { choisir_intervalle(poste, a); }
    void operator()(const Police& a) const { choisir_police(poste, a); }
    void operator()(const DemandeEnregistrement& a) const { basculer_enregistrement(poste, entree, a); }
    void operator()(const MessageType& a) const { ecrire_message_type(poste, a); }
    void operator()(const Question& a) const { ecrire_question(poste, a); }
    void operator()(const OuvertureFichier& a) const { ouvrir_lecturefichier(poste, a); }
    void operator()(const Information& a) const { informer(poste, a); }
};

} // namespace

void menu_Click(Poste& poste, Menu entree)
{
    const DescriptionMenu& d = description(entree);
    if (d.groupe != Groupe::aucun)
        poste.fenetre.menus.cocher_seule(entree);
    std::visit(Agir{poste, entree}, d.action);
}

} // namespace optolink
