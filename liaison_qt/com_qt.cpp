#include "liaison_qt/com_qt.h"

#include "liaison_qt/faible_latence.h"
#include "liaison_qt/ports_systeme.h"
#include "liaison/messages_port.h"
#include "liaison/reglages_port.h"

#include <QMetaObject>

#ifdef Q_OS_UNIX
#include "liaison_qt/droits_systeme.h"

#include <unistd.h>
#endif

#ifdef __linux__
#include <QSocketNotifier>

#include <poll.h>

#include <cerrno>
#endif

namespace optolink {

namespace {
// Why a port did not open, in French.
QString raison_echec_ouverture(QSerialPort::SerialPortError erreur, const QString& detail, const QString& chemin)
{
    switch (erreur) {
    case QSerialPort::DeviceNotFoundError:
        return raison_peripherique_absent();
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
        return raison_acces_refuse(droits_du_peripherique(chemin));
#else
        Q_UNUSED(chemin);
        return raison_port_occupe();
#endif
    case QSerialPort::OpenError:
        return QStringLiteral("le port est déjà ouvert");
    default:
        return raison_erreur_systeme(detail);
    }
}
} // namespace

ComQt::ComQt(std::function<PortsPresents()> inventaire) : inventaire_(std::move(inventaire))
{
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError e) { sur_erreur(e); });
}

ComQt::ComQt() : ComQt(ports_presents) {}

ComQt::~ComQt() = default;

bool ComQt::appliquer_reglages()
{
    const auto r = lire_reglages_port(reglages_);
    if (!r)
        return false;
    const QSerialPort::Parity p = r->parite == 'N' ? QSerialPort::NoParity
                                  : r->parite == 'E' ? QSerialPort::EvenParity
                                                     : QSerialPort::OddParity;
    return port_.setBaudRate(r->vitesse_bauds) && port_.setParity(p)
           && port_.setDataBits(static_cast<QSerialPort::DataBits>(r->bits))
           && port_.setStopBits(r->bits_arret == 1 ? QSerialPort::OneStop : QSerialPort::TwoStop)
           && port_.setFlowControl(QSerialPort::NoFlowControl);
}

// The system changes the rate at once: what is still on its way out may go at the new one.
bool ComQt::regler_vitesse(int bauds) { return portOpen() && port_.setBaudRate(bauds); }

bool ComQt::setPortOpen(bool ouvert)
{
    if (!ouvert) {
        en_service_ = false;
        if (port_.isOpen())
            port_.close();
        return true;
    }
    if (en_service_)
        return true;
    if (port_.isOpen())
        port_.close();
    chemin_ = chemin_du_port(numero_, inventaire_());
    if (chemin_.isEmpty()) {
        erreur_ = message_port_inconnu(numero_);
        return false;
    }
    port_.setPortName(chemin_);
    if (!port_.open(QIODevice::ReadWrite)) {
        erreur_ = message_ouverture_impossible(numero_, chemin_,
                                               raison_echec_ouverture(port_.error(), port_.errorString(), chemin_));
        port_.clearError();
        return false;
    }
    if (!appliquer_reglages()) {
        erreur_ = message_reglages_refuses(numero_, chemin_, reglages_);
        port_.close();
        port_.clearError();
        return false;
    }
    demander_faible_latence(static_cast<int>(port_.handle()));
    reveil_ = true;
    port_.clear();
    erreur_.clear();
    en_service_ = true;
    return true;
}

// QSerialPort only queues until the event loop runs: the bytes go to the system at once. On Unix
// they are written to the descriptor itself, which also spares the event loop a wake-up to empty
// QSerialPort's queue; what the system cannot take at once (full buffer) goes through the queue.
void ComQt::output(const QByteArray& octets)
{
    if (!portOpen())
        return;
    QByteArray reste = octets;
#ifdef Q_OS_UNIX
    if (port_.bytesToWrite() == 0) {
        const auto ecrits = ::write(port_.handle(), octets.constData(), static_cast<size_t>(octets.size()));
        if (ecrits == octets.size())
            return;
        reste = octets.sliced(std::max<qsizetype>(ecrits, 0));
    }
#endif
    port_.write(reste);
    port_.flush();
}

QByteArray ComQt::input()
{
    if (!portOpen())
        return {};
    if (reveil_)
        return longueur_entree_ == 1 ? port_.read(1) : port_.readAll();
    // What QSerialPort took before the arrivals stopped waking the loop comes first, without asking
    // it for more, which would set its notice going again.
    QByteArray lus;
    if (const qint64 pris = port_.bytesAvailable(); pris > 0)
        lus = port_.read(longueur_entree_ == 1 ? 1 : pris);
    if (longueur_entree_ != 1 || lus.isEmpty())
        lire_sans_reveil(lus);
    return lus;
}

// The device is read here only while QSerialPort's notice is off: it never finds the device emptied
// behind its back, which it would take for a read error. It is read only when it holds something,
// and a device that vanished is seen at the next read, as its hang-up.
void ComQt::lire_sans_reveil([[maybe_unused]] QByteArray& lus)
{
#ifdef __linux__
    const int fd = static_cast<int>(port_.handle());
    pollfd etat{fd, POLLIN, 0};
    if (::poll(&etat, 1, 0) < 0)
        return;
    if (etat.revents & (POLLERR | POLLHUP | POLLNVAL)) {
        sur_erreur(QSerialPort::ResourceError);
        return;
    }
    if (!(etat.revents & POLLIN))
        return;
    char bloc[256];
    const std::size_t voulus = longueur_entree_ == 1 ? 1 : sizeof bloc;
    for (;;) {
        const ssize_t n = ::read(fd, bloc, voulus);
        if (n > 0)
            lus.append(bloc, n);
        if (n == static_cast<ssize_t>(sizeof bloc) || (n < 0 && errno == EINTR))
            continue;
        if (n < 0 && errno != EAGAIN)
            sur_erreur(QSerialPort::ReadError);
        return;
    }
#endif
}

// QSerialPort takes the bytes only when its read notifier, a child of the port, fires. Should a
// version of Qt hold it elsewhere, it is not found, and arrivals go on waking the loop.
void ComQt::reveil_a_l_arrivee([[maybe_unused]] bool oui)
{
#ifdef __linux__
    if (!en_service_ || oui == reveil_)
        return;
    for (auto* avis : port_.findChildren<QSocketNotifier*>(Qt::FindDirectChildrenOnly)) {
        if (avis->type() == QSocketNotifier::Read && avis->socket() == port_.handle()) {
            avis->setEnabled(oui);
            reveil_ = oui;
            return;
        }
    }
#endif
}

// A device that vanished keeps failing on every read notification: stop listening at the first
// error. The port is closed once control is back in the event loop, not inside QSerialPort's
// own notification, which is still running.
void ComQt::sur_erreur(QSerialPort::SerialPortError e)
{
    // A write refused for a moment (system buffer full) is not a loss; a failing read or a vanished
    // device is.
    const bool perte = e == QSerialPort::ResourceError || e == QSerialPort::ReadError || e == QSerialPort::UnknownError;
    if (!perte || !en_service_)
        return;
    en_service_ = false;
    const QString raison = message_perte(numero_, chemin_);
    QMetaObject::invokeMethod(&port_, [this] {
        if (!en_service_ && port_.isOpen())
            port_.close();
    }, Qt::QueuedConnection);
    signalerPerte(raison);
}

} // namespace optolink
