#include "desktop/CPPCTransferDlg.h"
#include "desktop/FolderDeviceLink.h"
#include "desktop/TransferRecord.h"
#include "desktop/TransferWorker.h"
#include "tests/desktop/FakeDeviceLink.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace kavrin;
using namespace kavrin::orvale;

using namespace std::chrono_literals;

namespace {

const QString kDeviceFile = QStringLiteral("/tavrel/Stations.xml");

// Bytes that differ from piece to piece, so a misplaced piece shows.
std::string patternBytes(std::size_t size, int seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31 + i / 997 + static_cast<std::size_t>(seed)) % 251);
    return bytes;
}

QByteArray toBytes(const std::string& bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QStringList texts(const QSignalSpy& spy)
{
    QStringList shown;
    for (const QList<QVariant>& call : spy)
        shown << call.at(0).toString();
    return shown;
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<QSettings> m_profile;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<FakeDeviceLink> m_link;
    std::filesystem::path m_desktopFile;
    QStringList m_info;

    Result<> runWorker(CPPCTransferDlg::Direction direction, DeviceLink& link)
    {
        TransferWorker worker(link, m_desktopFile, m_profile->value("PocketPC/BasePath").toString(),
                              [this](const QString& status) { m_info << status; });
        return direction == CPPCTransferDlg::Load ? worker.load() : worker.save();
    }
    Result<> runWorker(CPPCTransferDlg::Direction direction)
    {
        return runWorker(direction, *m_link);
    }

    // Clicks "Start transfer" and waits until the worker has ended.
    static bool transfer(CPPCTransferDlg& dialog)
    {
        QSignalSpy ended(&dialog, &CPPCTransferDlg::transferEnded);
        QTest::mouseClick(startButton(dialog), Qt::LeftButton);
        return ended.wait(10000);
    }
    static QPushButton* startButton(CPPCTransferDlg& dialog)
    {
        return dialog.findChild<QPushButton*>();
    }
    std::unique_ptr<CPPCTransferDlg> dialog(CPPCTransferDlg::Direction direction, DeviceLink& link)
    {
        auto shown = std::make_unique<CPPCTransferDlg>(direction, m_desktopFile, *m_profile, link);
        shown->show();
        return shown;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_profile = std::make_unique<QSettings>(
            QString::fromStdString(m_folder->file("Orvale.ini").string()), QSettings::IniFormat);
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_link = std::make_unique<FakeDeviceLink>();
        m_link->setExePath("/tavrel/");
        m_desktopFile = m_folder->file("Stations.xml");
        writeBytes(m_desktopFile, "old desktop list");
        m_info.clear();
    }
    void cleanup()
    {
        m_link.reset();
        m_prompts.reset();
        m_profile.reset();
        m_folder.reset();
    }

    void dialogStartsReady_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("title");
        QTest::newRow("load") << int(CPPCTransferDlg::Load) << "Load stations list from Pocket PC";
        QTest::newRow("save") << int(CPPCTransferDlg::Save) << "Save stations list on Pocket PC";
    }
    void dialogStartsReady()
    {
        QFETCH(int, direction);
        QFETCH(QString, title);
        const auto transfer = dialog(CPPCTransferDlg::Direction(direction), *m_link);
        QCOMPARE(transfer->windowTitle(), title);
        QCOMPARE(transfer->statusText(), QStringLiteral("Status: ready"));
        QCOMPARE(startButton(*transfer)->text(), QStringLiteral("Start transfer"));
        QVERIFY(!transfer->received());
    }

    void noConnectionGivesUpAfterTwoSeconds()
    {
        m_link->refuseConnection = true;
        const auto load = dialog(CPPCTransferDlg::Load, *m_link);
        QSignalSpy shown(load.get(), &CPPCTransferDlg::statusShown);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(transfer(*load));
        QVERIFY2(clock.elapsed() >= 1800 && clock.elapsed() < 6000,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(texts(shown), QStringList({"Connecting...", "Cannot connect to PocketPC"}));
        QVERIFY(startButton(*load)->isEnabled());
        QCOMPARE(m_link->disconnects, 0);
        QCOMPARE(readBytes(m_desktopFile), std::string("old desktop list"));
        QTest::keyClick(load.get(), Qt::Key_Escape);
        QVERIFY(!load->isVisible());
        QCOMPARE(m_prompts->beeps, 0);
    }

    void whileBusyOkIsIgnoredAndCancelBeeps()
    {
        m_link->refuseConnection = true;
        const auto load = dialog(CPPCTransferDlg::Load, *m_link);
        QSignalSpy ended(load.get(), &CPPCTransferDlg::transferEnded);
        QTest::mouseClick(startButton(*load), Qt::LeftButton);
        QVERIFY(load->isBusy());
        QVERIFY(!startButton(*load)->isEnabled());
        QTest::mouseClick(startButton(*load), Qt::LeftButton);
        QTest::keyClick(load.get(), Qt::Key_Escape);
        load->accept();
        load->close();
        QVERIFY(load->isVisible());
        QCOMPARE(m_prompts->beeps, 2); // Esc and the close box
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.count(), 1); // the second click started nothing
        load->accept();
        QVERIFY(!load->isVisible());
        QCOMPARE(load->result(), int(QDialog::Accepted));
    }

    void handheldNotInstalled_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("load") << int(CPPCTransferDlg::Load) << QStringList{"Connecting..."};
        QTest::newRow("save") << int(CPPCTransferDlg::Save)
                              << QStringList{"Connecting...", "Save stations list on PocketPC"};
    }
    void handheldNotInstalled()
    {
        QFETCH(int, direction);
        QFETCH(QStringList, steps);
        m_link->registry.clear();
        m_link->files[kDeviceFile] = "device list";
        const Result<> result = runWorker(CPPCTransferDlg::Direction(direction));
        QCOMPARE(QString::fromStdString(result.reason()),
                 QStringLiteral("Error: PocketPC version is not installed"));
        QCOMPARE(m_info, steps);
        QVERIFY(!result.ok());
        QVERIFY(!m_link->connected);
        QCOMPARE(m_link->disconnects, 1);
        QCOMPARE(m_link->files[kDeviceFile], QByteArray("device list"));
        QCOMPARE(readBytes(m_desktopFile), std::string("old desktop list"));
    }

    void findsTheDeviceFile_data()
    {
        QTest::addColumn<QString>("exePath"); // null: no value on the device
        QTest::addColumn<QString>("basePath");
        QTest::addColumn<QString>("devicePath");
        const QString longFolder = "/" + QString(400, 'f') + "/";
        QTest::newRow("ExePath") << "/tavrel/"
                                 << "/base/"
                                 << "/tavrel/Stations.xml";
        QTest::newRow("BasePath when no ExePath") << QString() << "/base/"
                                                  << "/base/Stations.xml";
        QTest::newRow("no separator added") << "/tavrel"
                                            << ""
                                            << "/tavrelStations.xml";
        QTest::newRow("long ExePath read whole") << longFolder << "" << longFolder + "Stations.xml";
    }
    void findsTheDeviceFile()
    {
        QFETCH(QString, exePath);
        QFETCH(QString, basePath);
        QFETCH(QString, devicePath);
        m_link->registry.clear();
        if (!exePath.isNull())
            m_link->setExePath(exePath);
        m_profile->setValue("PocketPC/BasePath", basePath);
        m_link->files[devicePath] = "device list";
        const Result<> result = runWorker(CPPCTransferDlg::Load);
        QVERIFY(result.ok());
        QCOMPARE(readBytes(m_desktopFile), std::string("device list"));
    }

    void unreadableDeviceFileLeavesTheDesktopFile_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("missing") << false;
        QTest::newRow("locked") << true;
    }
    void unreadableDeviceFileLeavesTheDesktopFile()
    {
        QFETCH(bool, locked);
        if (locked) {
            m_link->files[kDeviceFile] = "device list";
            m_link->lockedFiles.insert(kDeviceFile);
        }
        const auto load = dialog(CPPCTransferDlg::Load, *m_link);
        QVERIFY(transfer(*load));
        QCOMPARE(load->statusText(),
                 QStringLiteral("Error: Cannot open file 'Stations.xml' on PocketPC"));
        QVERIFY(!load->received());
        QCOMPARE(readBytes(m_desktopFile), std::string("old desktop list"));
        QCOMPARE(m_link->disconnects, 1);
    }

    void loadsInPiecesWithRunningTotals()
    {
        const std::string device = patternBytes(40000, 1);
        m_link->files[kDeviceFile] = toBytes(device);
        const auto load = dialog(CPPCTransferDlg::Load, *m_link);
        QSignalSpy shown(load.get(), &CPPCTransferDlg::statusShown);
        QVERIFY(transfer(*load));
        QCOMPARE(texts(shown), QStringList({"Connecting...", "Read data from PocketPC: 16384 bytes",
                                            "Read data from PocketPC: 32768 bytes",
                                            "Read data from PocketPC: 40000 bytes",
                                            "Transfer finished, list will be updated now"}));
        QVERIFY(m_link->readSizes == std::vector<std::size_t>(4, 16384));
        QVERIFY(readBytes(m_desktopFile) == device);
        QVERIFY(load->received());
        QCOMPARE(m_link->disconnects, 1);
    }

    void shortPiecesStillArriveWhole()
    {
        const std::string device = patternBytes(40000, 2);
        m_link->files[kDeviceFile] = toBytes(device);
        m_link->largestPiece = 1000;
        const Result<> result = runWorker(CPPCTransferDlg::Load);
        QVERIFY(result.ok());
        QCOMPARE(m_info.size(), 41);
        QCOMPARE(m_info.last(), QStringLiteral("Read data from PocketPC: 40000 bytes"));
        QVERIFY(readBytes(m_desktopFile) == device);
    }

    void brokenLoadKeepsTheDesktopFile()
    {
        m_link->files[kDeviceFile] = toBytes(patternBytes(40000, 3));
        m_link->breakAfter = 20000;
        const auto load = dialog(CPPCTransferDlg::Load, *m_link);
        QVERIFY(transfer(*load));
        QCOMPARE(load->statusText(), QStringLiteral("Error: Transfer interrupted"));
        QVERIFY(!load->received());
        QCOMPARE(readBytes(m_desktopFile), std::string("old desktop list"));
        for (const auto& entry : std::filesystem::directory_iterator(m_folder->path()))
            QVERIFY2(entry.path() == m_desktopFile || entry.path().extension() == ".ini",
                     entry.path().c_str()); // no temporary file left behind
        QCOMPARE(m_link->disconnects, 1);
    }

    void receivedSurvivesALaterFailureAndCancel()
    {
        m_link->files[kDeviceFile] = "device list";
        const auto load = dialog(CPPCTransferDlg::Load, *m_link);
        QVERIFY(transfer(*load));
        QVERIFY(load->received());
        m_link->files.clear();
        QVERIFY(transfer(*load));
        QCOMPARE(load->statusText(),
                 QStringLiteral("Error: Cannot open file 'Stations.xml' on PocketPC"));
        QTest::keyClick(load.get(), Qt::Key_Escape);
        QCOMPARE(load->result(), int(QDialog::Rejected));
        QVERIFY(load->received());
    }

    void savesInPieces()
    {
        const std::string desktop = patternBytes(40000, 4);
        writeBytes(m_desktopFile, desktop);
        m_link->files[kDeviceFile] = "old device list";
        const Result<> result = runWorker(CPPCTransferDlg::Save);
        QVERIFY(result.ok());
        QCOMPARE(m_info, QStringList({"Connecting...", "Save stations list on PocketPC",
                                      "Save data on PocketPC: 16384 bytes saved",
                                      "Save data on PocketPC: 32768 bytes saved",
                                      "Save data on PocketPC: 40000 bytes saved"}));
        QCOMPARE(m_link->files[kDeviceFile], toBytes(desktop));
        QCOMPARE(m_link->disconnects, 1);
    }

    void failedSaves_data()
    {
        QTest::addColumn<bool>("desktopFile");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("breaks");
        QTest::addColumn<QString>("status");
        QTest::newRow("no desktop file")
            << false << false << false << "Error: Cannot open file 'Stations.xml' on desktop";
        QTest::newRow("device file locked")
            << true << true << false << "Error: Cannot create file 'Stations.xml' on PocketPC";
        QTest::newRow("link breaks") << true << false << true << "Error: Transfer interrupted";
    }
    void failedSaves()
    {
        QFETCH(bool, desktopFile);
        QFETCH(bool, locked);
        QFETCH(bool, breaks);
        QFETCH(QString, status);
        if (desktopFile)
            writeBytes(m_desktopFile, patternBytes(40000, 5));
        else
            std::filesystem::remove(m_desktopFile);
        if (locked)
            m_link->lockedFiles.insert(kDeviceFile);
        if (breaks)
            m_link->breakAfter = 20000;
        const Result<> result = runWorker(CPPCTransferDlg::Save);
        QCOMPARE(QString::fromStdString(result.reason()), status);
        QCOMPARE(m_link->disconnects, 1);
    }

    void aFileChangedSinceTheLastTransferIsReplacedOnlyIfTheUserAgrees_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("desktopNow"); // the desktop list after the first upload
        QTest::addColumn<QString>("deviceNow");  // the list Tavrel saved on the handheld meanwhile
        QTest::addColumn<int>("answer");         // NoButton: no question expected
        QTest::addColumn<QString>("question");   // how the question begins
        const int none = QMessageBox::NoButton;
        const QString device = "The stations list on the Pocket PC was changed at ";
        const QString desktop = "The stations list on this computer was changed at ";
        QTest::newRow("send over a handheld change, yes")
            << int(CPPCTransferDlg::Save) << "desktop edit"
            << "handheld edit" << int(QMessageBox::Yes) << device;
        QTest::newRow("send over a handheld change, no")
            << int(CPPCTransferDlg::Save) << "desktop edit"
            << "handheld edit" << int(QMessageBox::No) << device;
        QTest::newRow("send, only the desktop changed")
            << int(CPPCTransferDlg::Save) << "desktop edit"
            << "sent list" << none << QString();
        QTest::newRow("send, both hold the same") << int(CPPCTransferDlg::Save) << "same edit"
                                                  << "same edit" << none << QString();
        QTest::newRow("load over a desktop change, yes")
            << int(CPPCTransferDlg::Load) << "desktop edit"
            << "handheld edit" << int(QMessageBox::Yes) << desktop;
        QTest::newRow("load over a desktop change, no")
            << int(CPPCTransferDlg::Load) << "desktop edit"
            << "handheld edit" << int(QMessageBox::No) << desktop;
        QTest::newRow("load, only the handheld changed")
            << int(CPPCTransferDlg::Load) << "sent list"
            << "handheld edit" << none << QString();
    }

    void aFileChangedSinceTheLastTransferIsReplacedOnlyIfTheUserAgrees()
    {
        QFETCH(int, direction);
        QFETCH(QString, desktopNow);
        QFETCH(QString, deviceNow);
        QFETCH(int, answer);
        QFETCH(QString, question);
        writeBytes(m_desktopFile, "sent list");
        QVERIFY(transfer(*dialog(CPPCTransferDlg::Save, *m_link)));
        QCOMPARE(m_link->files[kDeviceFile], QByteArray("sent list"));

        writeBytes(m_desktopFile, desktopNow.toStdString());
        m_link->files[kDeviceFile] = deviceNow.toUtf8();
        const auto deviceTime = std::chrono::file_clock::now() - std::chrono::hours(30);
        m_link->fileTimes[kDeviceFile] = deviceTime;
        const bool load = direction == CPPCTransferDlg::Load;
        FingerprintBuilder deviceBytes;
        deviceBytes.add(deviceNow.toStdString());
        const std::string changedAt = modifiedText(load ? takeFingerprint(m_desktopFile)
                                                        : deviceBytes.fingerprint(deviceTime));
        if (answer != QMessageBox::NoButton)
            m_prompts->answers.push_back(QMessageBox::StandardButton(answer));

        const auto second = dialog(CPPCTransferDlg::Direction(direction), *m_link);
        QSignalSpy shown(second.get(), &CPPCTransferDlg::statusShown);
        QVERIFY(transfer(*second));
        const bool replaced = answer != QMessageBox::No;
        const QString result = load ? QString::fromStdString(readBytes(m_desktopFile))
                                    : QString::fromUtf8(m_link->files[kDeviceFile]);
        QCOMPARE(result,
                 replaced ? (load ? deviceNow : desktopNow) : (load ? desktopNow : deviceNow));
        QCOMPARE(second->received(), load && replaced);
        if (question.isEmpty()) {
            QVERIFY(m_prompts->messages.isEmpty());
            QVERIFY(!texts(shown).join('|').contains("Stopped"));
        } else {
            QCOMPARE(m_prompts->messages.size(), 1);
            QVERIFY2(
                m_prompts->messages[0].startsWith(question + QString::fromStdString(changedAt)),
                qPrintable(m_prompts->messages[0]));
            QCOMPARE(m_prompts->captions[0], QStringLiteral("Warning"));
            QVERIFY(texts(shown).contains(load ? "Stopped: the list on desktop was changed since "
                                                 "the last transfer"
                                               : "Stopped: the list on PocketPC was changed since "
                                                 "the last transfer"));
        }
        // The record holds what both sides held after the last transfer that went through.
        FingerprintBuilder bothSides;
        bothSides.add(replaced ? result.toStdString() : "sent list");
        const TransferRecord record = readTransferRecord(*m_profile);
        QVERIFY(record.desktop && record.device);
        for (const FileFingerprint& side : {*record.desktop, *record.device}) {
            QCOMPARE(side.size, bothSides.fingerprint().size);
            QCOMPARE(side.hash, bothSides.fingerprint().hash);
        }
    }

    void folderLinkRoundTrip()
    {
        const std::filesystem::path mount = m_folder->file("device");
        std::filesystem::create_directories(mount / "apps" / "tavrel");
        m_profile->setValue("PocketPC/DeviceFolder", QString::fromStdString(mount.string()));
        FolderDeviceLink link(*m_profile);
        const std::filesystem::path deviceProfile = link.profileFile("Tavrel", "TavrelPPC");
        QVERIFY(deviceProfile.string().starts_with(mount.string()));
        QSettings(QString::fromStdString(deviceProfile.string()), QSettings::IniFormat)
            .setValue("Main/ExePath", "/apps/tavrel/");

        const std::string desktop = patternBytes(50000, 6);
        writeBytes(m_desktopFile, desktop);
        const auto save = dialog(CPPCTransferDlg::Save, link);
        QVERIFY(transfer(*save));
        QCOMPARE(save->statusText(), QStringLiteral("Transfer finished"));
        const std::filesystem::path deviceFile = mount / "apps" / "tavrel" / "Stations.xml";
        QVERIFY(readBytes(deviceFile) == desktop);

        // Changed since it was sent: the load asks before it replaces it.
        writeBytes(m_desktopFile, "changed on the desktop");
        m_prompts->answers.push_back(QMessageBox::Yes);
        const auto load = dialog(CPPCTransferDlg::Load, link);
        QVERIFY(transfer(*load));
        QCOMPARE(m_prompts->messages.size(), 1);
        QVERIFY(
            m_prompts->messages[0].startsWith("The stations list on this computer was changed"));
        QCOMPARE(load->statusText(), QStringLiteral("Transfer finished, list will be updated now"));
        QVERIFY(load->received());
        QVERIFY(readBytes(m_desktopFile) == desktop);
    }

    void folderLinkRefusesToCopyAFileOntoItself_data()
    {
        QTest::addColumn<int>("direction");
        QTest::newRow("load") << int(CPPCTransferDlg::Load);
        QTest::newRow("save") << int(CPPCTransferDlg::Save);
    }
    void folderLinkRefusesToCopyAFileOntoItself()
    {
        QFETCH(int, direction);
        // Both programs in one folder on one computer, found through "BasePath".
        const std::filesystem::path root = m_folder->file("root");
        std::filesystem::create_directories(root / "desk");
        m_desktopFile = root / "desk" / "Stations.xml";
        writeBytes(m_desktopFile, "the only list");
        m_profile->setValue("PocketPC/DeviceFolder", QString::fromStdString(root.string()));
        m_profile->setValue("PocketPC/BasePath", "/desk/");
        FolderDeviceLink link(*m_profile);
        const Result<> result = runWorker(CPPCTransferDlg::Direction(direction), link);
        QCOMPARE(QString::fromStdString(result.reason()),
                 QStringLiteral("Error: 'Stations.xml' on PocketPC is the desktop file itself"));
        QCOMPARE(readBytes(m_desktopFile), std::string("the only list"));
    }

    void folderLinkWithoutItsFolderIsNotConnected()
    {
        m_profile->setValue("PocketPC/DeviceFolder",
                            QString::fromStdString(m_folder->file("absent").string()));
        FolderDeviceLink link(*m_profile);
        link.beginConnect();
        QVERIFY(!link.waitForConnection(1ms));
        QVERIFY(!link.openFile("/Stations.xml"));
    }

    void folderLinkKeepsTheOldDeviceFileUntilClose()
    {
        m_profile->setValue("PocketPC/DeviceFolder",
                            QString::fromStdString(m_folder->path().string()));
        FolderDeviceLink link(*m_profile);
        link.beginConnect();
        QVERIFY(link.waitForConnection(1ms));
        const QString devicePath = "/Stations.xml";
        QVERIFY(link.localPath(devicePath) == m_desktopFile);
        const std::string piece = "new device list";
        {
            const auto abandoned = link.createFile(devicePath);
            QVERIFY(abandoned && (*abandoned)->write(piece));
        }
        QCOMPARE(readBytes(m_desktopFile), std::string("old desktop list"));
        const auto finished = link.createFile(devicePath);
        QVERIFY(finished && (*finished)->write(piece) && (*finished)->close());
        QCOMPARE(readBytes(m_desktopFile), piece);
    }
};

QTEST_MAIN(TransferTest)
#include "TransferTest.moc"
