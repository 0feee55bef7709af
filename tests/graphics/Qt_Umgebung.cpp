#include "tests/graphics/Qt_Umgebung.h"

#include <QGuiApplication>
#include <cstdlib>

namespace {
class Qt_Umgebung : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = new QGuiApplication(argc, argv);
    }
    void TearDown() override {
        delete app;
        app = nullptr;
    }

private:
    int argc = 1;
    char name[16] = "grafik_tests";
    char* argv[2] = {name, nullptr};
    QGuiApplication* app = nullptr;
};
[[maybe_unused]] ::testing::Environment* const umgebung =
    ::testing::AddGlobalTestEnvironment(new Qt_Umgebung);
}
