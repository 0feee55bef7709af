// Window tests on a scaled desktop: a QApplication at scale factor 2 (offscreen, set by
// ctest), so every window is drawn at device pixel ratio 2.
#include <QApplication>
#include <gtest/gtest.h>

namespace {
class Qt_Anwendung_doppelt : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_SCALE_FACTOR", "2");
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "fenstertests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};
[[maybe_unused]] ::testing::Environment* const umgebung =
    ::testing::AddGlobalTestEnvironment(new Qt_Anwendung_doppelt);
}  // namespace
