// Window tests on a scaled desktop: the shared QApplication (Qt_Anwendung.cpp) is made
// when the tests start, after every static initialisation, so setting the scale factor
// here draws every window at device pixel ratio 2.
#include <QByteArray>
#include <QtGlobal>

namespace {
[[maybe_unused]] const bool doppelt = qputenv("QT_SCALE_FACTOR", QByteArray("2"));
}  // namespace
