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
    return longueur_entree_ == 1 ? port_.read(1) : port_.readAll();
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
