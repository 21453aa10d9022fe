#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace optolink {

// The serial port of the interface, with the operations of the window's serial-port control.
class Com {
public:
    virtual ~Com() = default;

    virtual void setCommPort(int numero) = 0;
    virtual int commPort() const = 0;
    virtual void setSettings(const QString& reglages) = 0; // "9600,N,8,1"
    // Moves the open port to another rate, the rest of its settings kept: false when the device
    // refuses it. A port that has no rate of its own (a pipe) takes any and changes nothing.
    virtual bool regler_vitesse(int bauds)
    {
        static_cast<void>(bauds);
        return false;
    }

    // Opens or closes the port. Opening returns false on failure; erreur() then tells why, in French.
    virtual bool setPortOpen(bool ouvert) = 0;
    virtual bool portOpen() const = 0;
    virtual QString erreur() const = 0;
    // The device that was tried at the last opening (a path, or a simulated port's name).
    virtual QString peripherique() const = 0;

    // Sends the bytes as they are, at once.
    virtual void output(const QByteArray& octets) = 0;
    // What has arrived so far, limited by InputLen (0: everything, 1: at most one byte); empty when nothing.
    virtual QByteArray input() = 0;
    virtual void setInputLen(int longueur) = 0;
    virtual int inputLen() const = 0;

    // Whether a byte's arrival wakes the event loop; it does from the opening on. A station that
    // reads the port only at its timer's ticks turns it off: each reply is read at the next tick,
    // and its characters, a millisecond apart, need not each wake a computer that is waiting.
    virtual void reveil_a_l_arrivee(bool oui) { static_cast<void>(oui); }

    // The ports present on this computer, as the user would answer them: one line each, the number,
    // the device and the name the system gives it (ports_a_repondre); nothing where the port is not
    // the system's (a simulated one).
    virtual std::optional<QStringList> ports_a_repondre() const { return std::nullopt; }

    // Called once when the port is lost while open (interface unplugged, bench stopped).
    void surPerte(std::function<void(const QString&)> action) { perte_ = std::move(action); }

protected:
    void signalerPerte(const QString& raison)
    {
        if (perte_)
            perte_(raison);
    }

private:
    std::function<void(const QString&)> perte_;
};

} // namespace optolink
