// The channel between copies of the program: a second copy asks the running
// one to come to the front, and nothing it meets there may hang it.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QWidget>
#include <future>

#include "app/instance_channel.h"
#include "app/single_instance.h"
#include "app_test_support.h"

using horavela::app::InstanceChannel;
using horavela::app::SingleInstance;

namespace {

// Long enough for a loaded machine; only a broken channel ever waits it out.
constexpr int kPatientMs = 5000;
constexpr int kShortMs = 200;

// A socket file whose owner died without removing it, as a crashed copy leaves.
bool LeaveStaleSocket(const QString& name) {
  const QByteArray path = name.toLocal8Bit();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (static_cast<size_t>(path.size()) >= sizeof(address.sun_path)) return false;
  qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  ::close(fd);
  return bound;
}

// Asks from another thread, as a second process would, while this thread's
// event loop lets the first copy answer; true when the answer came and the
// first copy saw exactly `expected` requests so far.
bool AskWhileServing(const QString& lockPath, int* requests, int expected) {
  auto answer = std::async(std::launch::async, [lockPath] {
    return SingleInstance::AskRunningCopyToShow(lockPath, kPatientMs);
  });
  const auto answered = [&answer] {
    return answer.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready;
  };
  const bool served =
      QTest::qWaitFor([&] { return *requests == expected && answered(); }, 2 * kPatientMs);
  return served && answer.get();
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void aSecondCopyReachesTheFirst() {
    QTemporaryDir folder;
    const QString path = folder.filePath("horavela.lock");
    SingleInstance first(path);
    QVERIFY(first.Acquire());
    int requests = 0;
    QVERIFY(first.ListenForOthers([&requests] { ++requests; }));
    QVERIFY(AskWhileServing(path, &requests, 1));
    QVERIFY(AskWhileServing(path, &requests, 2));  // and again, later
  }

  void onlyTheLockHolderListens() {
    QTemporaryDir folder;
    const QString path = folder.filePath("horavela.lock");
    SingleInstance first(path);
    QVERIFY(first.Acquire());
    int firstRequests = 0;
    QVERIFY(first.ListenForOthers([&firstRequests] { ++firstRequests; }));
    SingleInstance second(path);
    QVERIFY(!second.Acquire());
    QVERIFY(!second.ListenForOthers([] {}));
    QVERIFY(AskWhileServing(path, &firstRequests, 1));  // the first still hears
  }

  void askingWithoutAnAnsweringCopyFails_data() {
    QTest::addColumn<QString>("whatIsThere");
    QTest::newRow("nothing") << "nothing";
    QTest::newRow("a name left by a crashed copy") << "stale";
    QTest::newRow("a copy that never answers") << "silent";
    QTest::newRow("a copy that only holds the lock") << "locked";
  }
  void askingWithoutAnAnsweringCopyFails() {
    QFETCH(QString, whatIsThere);
    QTemporaryDir folder;
    const QString path = folder.filePath("horavela.lock");
    const QString name = InstanceChannel::NameFor(path);
    QLocalServer silent;
    SingleInstance holder(path);
    if (whatIsThere == "stale") QVERIFY(LeaveStaleSocket(name));
    if (whatIsThere == "silent") QVERIFY(silent.listen(name));
    if (whatIsThere == "locked") QVERIFY(holder.Acquire());
    // Nothing serves this thread's event loop meanwhile, so a wait without an
    // end would never return.
    QVERIFY(!SingleInstance::AskRunningCopyToShow(path, kShortMs));
  }

  void aStaleNameDoesNotKeepANewCopyDeaf() {
    QTemporaryDir folder;
    const QString path = folder.filePath("horavela.lock");
    QVERIFY(LeaveStaleSocket(InstanceChannel::NameFor(path)));
    SingleInstance first(path);
    QVERIFY(first.Acquire());
    int requests = 0;
    QVERIFY(first.ListenForOthers([&requests] { ++requests; }));
    QVERIFY(AskWhileServing(path, &requests, 1));
  }

  void aBadRequestIsIgnored() {
    QTemporaryDir folder;
    const QString path = folder.filePath("horavela.lock");
    SingleInstance first(path);
    QVERIFY(first.Acquire());
    int requests = 0;
    QVERIFY(first.ListenForOthers([&requests] { ++requests; }));
    QLocalSocket stranger;
    stranger.connectToServer(InstanceChannel::NameFor(path));
    QVERIFY(stranger.waitForConnected(kPatientMs));
    stranger.write("open the pod bay doors\n");
    QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QLocalSocket::UnconnectedState, kPatientMs);
    QCOMPARE(requests, 0);
  }

  void bringToFrontUndoesMinimisingAndHiding_data() {
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("minimised") << true << false;
    QTest::newRow("hidden") << false << true;
    QTest::newRow("minimised and hidden") << true << true;
    QTest::newRow("already in front") << false << false;
  }
  void bringToFrontUndoesMinimisingAndHiding() {
    QFETCH(bool, minimised);
    QFETCH(bool, hidden);
    QWidget window;
    window.show();
    if (minimised) window.showMinimized();
    if (hidden) window.hide();
    horavela::app::BringToFront(&window);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
  }
};

HORAVELA_APP_TEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
