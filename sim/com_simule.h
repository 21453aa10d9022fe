#pragma once

#include "liaison/com.h"
#include "sim/interface_simulee.h"
#include "sim/ordonnanceur.h"

#include <functional>

namespace optolink::sim {

// The serial port of a station wired to a simulated interface through its 9600-baud line.
// Any port number from 1 up reaches the interface; 0 and below do not open, as with a real port.
class ComSimule final : public Com {
public:
    ComSimule(InterfaceSimulee& interface, Ordonnanceur& temps);
    ~ComSimule() override;
    ComSimule(const ComSimule&) = delete;
    ComSimule& operator=(const ComSimule&) = delete;

    void setCommPort(int numero) override { numero_ = numero; }
    int commPort() const override { return numero_; }
    void setSettings(const QString& reglages) override { reglages_ = reglages; }
    QString settings() const { return reglages_; }
    // The rate is the interface's concern: the port takes any.
    bool regler_vitesse(int bauds) override;

    bool setPortOpen(bool ouvert) override;
    bool portOpen() const override { return ouvert_; }
    QString erreur() const override { return erreur_; }
    QString peripherique() const override;

    void output(const QByteArray& octets) override;
    QByteArray input() override;
    void setInputLen(int longueur) override { longueur_entree_ = longueur; }
    int inputLen() const override { return longueur_entree_; }
    void reveil_a_l_arrivee(bool oui) override { reveil_ = oui; }

    // The interface is unplugged (or vanishes by a fault): the port is lost (reported once if it was
    // open), every later read or write does nothing and the port no longer opens.
    void debrancher();
    // The same, when the world's time reaches instant_s.
    void debrancher_a(double instant_s);
    bool debranche() const { return debranche_; }

    // Runs after each byte received while the port is open and its arrival wakes: a station's
    // event loop wakes for the bytes it is waiting for, as a real one does for its port's descriptor.
    void surReception(std::function<void()> action) { reception_ = std::move(action); }

private:
    InterfaceSimulee& interface_;
    Ordonnanceur& temps_;
    int numero_ = 0;
    QString reglages_;
    bool ouvert_ = false;
    bool debranche_ = false;
    QString erreur_;
    int longueur_entree_ = 0;
    bool reveil_ = true;
    QByteArray recus_;
    std::function<void()> reception_;
};

} // namespace optolink::sim
