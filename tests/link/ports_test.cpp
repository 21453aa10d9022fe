#include "liaison/ports.h"

#include <gtest/gtest.h>

using namespace optolink;

namespace {
PortsPresents linux_avec(QStringList liens_banc, QStringList peripheriques)
{
    PortsPresents p;
    p.dossier_banc = QStringLiteral("/tmp/optolink-1000");
    p.liens_banc = std::move(liens_banc);
    p.peripheriques = std::move(peripheriques);
    return p;
}
} // namespace

// On Windows too the bench's ports come first, on its named pipes; every other number is COMn.
TEST(CheminDuPort, SousWindowsLeBancPuisCOMn)
{
    PortsPresents p;
    p.windows = true;
    p.liens_banc = {"COM1", "COM2"};
    p.prefixe_tubes_banc = QStringLiteral("\\\\.\\pipe\\optolink-eleve-");
    EXPECT_EQ(chemin_du_port(1, p), "\\\\.\\pipe\\optolink-eleve-COM1");
    EXPECT_EQ(chemin_du_port(3, p), "COM3");
    EXPECT_EQ(chemin_du_port(0, p), "");
}

TEST(CheminDuPort, LeBancPasseDAbord)
{
    const auto p = linux_avec({"COM1", "COM2"}, {"/dev/ttyUSB0"});
    EXPECT_EQ(chemin_du_port(1, p), "/tmp/optolink-1000/COM1");
    EXPECT_EQ(chemin_du_port(2, p), "/tmp/optolink-1000/COM2");
    EXPECT_EQ(chemin_du_port(3, p), "/dev/ttyS2"); // past the one adapter
}

TEST(CheminDuPort, AdaptateursUSBPuisPortsSerie)
{
    const auto p = linux_avec({"COM11"}, {"/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyUSB9", "/dev/ttyS0", "/dev/ttyUSB0"});
    EXPECT_EQ(chemin_du_port(1, p), "/dev/ttyUSB0");
    EXPECT_EQ(chemin_du_port(2, p), "/dev/ttyUSB9");
    EXPECT_EQ(chemin_du_port(3, p), "/dev/ttyUSB10");
    EXPECT_EQ(chemin_du_port(4, p), "/dev/ttyACM0");
    EXPECT_EQ(chemin_du_port(5, p), "/dev/ttyS4");
    EXPECT_EQ(chemin_du_port(11, p), "/tmp/optolink-1000/COM11");
}

TEST(CheminDuPort, SansRienLesPortsSerieIntegres)
{
    const auto p = linux_avec({}, {});
    EXPECT_EQ(chemin_du_port(1, p), "/dev/ttyS0");
    EXPECT_EQ(chemin_du_port(8, p), "/dev/ttyS7");
    EXPECT_EQ(chemin_du_port(0, p), "");
    EXPECT_EQ(chemin_du_port(-3, p), "");
}

TEST(AdaptateursUsb, OrdreFixe)
{
    EXPECT_EQ(adaptateurs_usb({"/dev/cu.usbmodem14101", "/dev/cu.usbserial-A1", "/dev/ttyS1", "/dev/ttyUSB1"}),
              (QStringList{"/dev/ttyUSB1", "/dev/cu.usbserial-A1", "/dev/cu.usbmodem14101"}));
}

// The box after a port that did not open lists what can be answered: the bench's numbers, then each
// adapter under the number that reaches it, with the system's name; a device the bench's number
// hides is left out.
TEST(PortsARepondre, NumeroPeripheriqueEtNom)
{
    const QHash<QString, QString> noms{{"/dev/ttyUSB0", "FT232R USB UART"}, {"/dev/ttyACM0", "Arduino Mega 2560"},
                                       {"COM5", "USB Serial Port"}};
    EXPECT_EQ(ports_a_repondre(linux_avec({}, {"/dev/ttyACM0", "/dev/ttyUSB0"}), noms),
              (QStringList{"  1 : /dev/ttyUSB0 — FT232R USB UART", "  2 : /dev/ttyACM0 — Arduino Mega 2560"}));
    EXPECT_EQ(ports_a_repondre(linux_avec({"COM1", "COM7"}, {"/dev/ttyUSB0", "/dev/ttyUSB1"}), {}),
              (QStringList{"  1 : banc simulé", "  2 : /dev/ttyUSB1", "  7 : banc simulé"}));
    PortsPresents windows;
    windows.windows = true;
    windows.liens_banc = {"COM1"};
    windows.prefixe_tubes_banc = QStringLiteral("\\\\.\\pipe\\optolink-eleve-");
    windows.peripheriques = {"COM7", "COM5", "COM1"};
    EXPECT_EQ(ports_a_repondre(windows, noms), (QStringList{"  1 : banc simulé", "  5 : COM5 — USB Serial Port", "  7 : COM7"}));
    EXPECT_TRUE(ports_a_repondre(linux_avec({}, {}), noms).isEmpty());
}
