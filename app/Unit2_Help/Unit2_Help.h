// Window Form2: "Bedienungshinweise", the user guide as a read-only text.
#pragma once
#include <QWidget>
#include <memory>

namespace Ui { class TForm2; }

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};

// The text of the user guide (UTF-8).
const char* Bedienungshinweise();
