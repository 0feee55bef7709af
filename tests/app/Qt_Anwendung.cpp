// Window tests need a QApplication for the whole run (offscreen, set by ctest).
#include <QApplication>
#include <gtest/gtest.h>

namespace {
class Qt_Anwendung : public ::testing::Environment {
public:
    void SetUp() override { app_ = new QApplication(argc_, argv_); }
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
    ::testing::AddGlobalTestEnvironment(new Qt_Anwendung);
}  // namespace
