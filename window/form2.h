#pragma once

#include "race_services.h"
#include "roster.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;

namespace window {

class Form2Track;
class ImageControl;
class OptionButton;

// The game's window. It is built from its stored description; everything it does is in the
// event procedures below, each bound to one event of one control.
class Form2 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // Races run on these services; the window's own are the real runtime's.
    void setRaceServices(std::unique_ptr<race::RaceServices> services);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mnuGo_Click();
    void mnuQit_Click();
    void Form_MouseMove();
    void optDor_MouseMove();
    void optMar_MouseMove();
    void optRuf_MouseMove();
    void optBzl_MouseMove();

    void cheerFor(int racer);
    void deliver(void (Form2::*procedure)());
    std::array<OptionButton*, race::kRacerCount> options() const;
    std::array<QLabel*, race::kRacerCount> cheerLabels() const;

    QWidget* client_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    OptionButton* optDor;
    OptionButton* optMar;
    OptionButton* optRuf;
    OptionButton* optBzl;
    ImageControl* imgDorvit;
    ImageControl* imgMarnox;
    ImageControl* imgRufta;
    ImageControl* imgBazzle;
    QAction* mnuRc;
    QAction* mnuGo;
    QAction* mnuQit;

    std::unique_ptr<Form2Track> track_;
    std::unique_ptr<race::RaceServices> services_;
};

} // namespace window
