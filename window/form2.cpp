#include "form2.h"

#include "form2_track.h"
#include "form_loader.h"
#include "image_control.h"
#include "option_button.h"
#include "race_run.h"
#include "runtime_error.h"
#include "window_race_services.h"

#include <QAction>
#include <QEvent>
#include <QLabel>

namespace window {
namespace {

template <typename Control> Control* control(const QObject& form, const char* name) {
    auto* found = form.findChild<Control*>(QLatin1String(name));
    if (!found) // the stored description and the procedures disagree: nothing can work
        qFatal("Form2 has no control named %s", name);
    return found;
}

} // namespace

Form2::Form2(QWidget* parent)
    : QMainWindow(parent), client_(loadForm(*this, form2Description())),
      Label1(control<QLabel>(*this, "Label1")), Label2(control<QLabel>(*this, "Label2")),
      Label3(control<QLabel>(*this, "Label3")), Label4(control<QLabel>(*this, "Label4")),
      Label5(control<QLabel>(*this, "Label5")), optDor(control<OptionButton>(*this, "optDor")),
      optMar(control<OptionButton>(*this, "optMar")),
      optRuf(control<OptionButton>(*this, "optRuf")),
      optBzl(control<OptionButton>(*this, "optBzl")),
      imgDorvit(control<ImageControl>(*this, "imgDorvit")),
      imgMarnox(control<ImageControl>(*this, "imgMarnox")),
      imgRufta(control<ImageControl>(*this, "imgRufta")),
      imgBazzle(control<ImageControl>(*this, "imgBazzle")), mnuRc(control<QAction>(*this, "mnuRc")),
      mnuGo(control<QAction>(*this, "mnuGo")), mnuQit(control<QAction>(*this, "mnuQit")),
      track_(std::make_unique<Form2Track>(std::array{imgDorvit, imgMarnox, imgRufta, imgBazzle},
                                          options())),
      services_(std::make_unique<WindowRaceServices>(this)) {
    // Pointer moves over the bare window and over each option button run their procedures.
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    for (OptionButton* option : options())
        option->installEventFilter(this);

    connect(mnuGo, &QAction::triggered, this, [this] { deliver(&Form2::mnuGo_Click); });
    connect(mnuQit, &QAction::triggered, this, [this] { deliver(&Form2::mnuQit_Click); });
}

Form2::~Form2() = default;

void Form2::setRaceServices(std::unique_ptr<race::RaceServices> services) {
    services_ = std::move(services);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == client_)
            deliver(&Form2::Form_MouseMove);
        else if (watched == optDor)
            deliver(&Form2::optDor_MouseMove);
        else if (watched == optMar)
            deliver(&Form2::optMar_MouseMove);
        else if (watched == optRuf)
            deliver(&Form2::optRuf_MouseMove);
        else if (watched == optBzl)
            deliver(&Form2::optBzl_MouseMove);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form2::deliver(void (Form2::*procedure)()) {
    runtime::runProcedure(this, [this, procedure] { (this->*procedure)(); });
}

std::array<OptionButton*, race::kRacerCount> Form2::options() const {
    return {optDor, optMar, optRuf, optBzl};
}

std::array<QLabel*, race::kRacerCount> Form2::cheerLabels() const {
    return {Label2, Label3, Label4, Label5};
}

void Form2::mnuGo_Click() {
    race::runRace(*track_, *services_);
}

void Form2::mnuQit_Click() {
    close();
}

void Form2::Form_MouseMove() {
    for (OptionButton* option : options())
        option->setForeColor(runtime::kWindowText);
    for (QLabel* cheer : cheerLabels())
        cheer->setVisible(false);
}

void Form2::optDor_MouseMove() {
    cheerFor(1);
}
void Form2::optMar_MouseMove() {
    cheerFor(2);
}
void Form2::optRuf_MouseMove() {
    cheerFor(3);
}
void Form2::optBzl_MouseMove() {
    cheerFor(4);
}

void Form2::cheerFor(int racer) {
    const auto index = static_cast<std::size_t>(racer - 1);
    options()[index]->setForeColor(runtime::kRed);
    cheerLabels()[index]->setVisible(true);
}

} // namespace window
