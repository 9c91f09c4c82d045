#include "Walks.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QWidget>

namespace driver {

namespace {

void Picture(const QString& folder, QWidget* window, const QString& name) {
    if (!folder.isEmpty())
        SavePicture(window, QDir(folder).filePath(name));
}

void AcceptTerms(ScriptedUser& user, const QString& pictures) {
    user.Then(
        "the terms", [] { return Window("Splash"); },
        [=] {
            Picture(pictures, Window("Splash"), "1-terminos.png");
            Click(Control("Splash", "Ch00"));
            Click(Control("Splash", "Bt00"));
        });
}

} // namespace

void WalkRequest(ScriptedUser& user, RequestWalk& walk) {
    AcceptTerms(user, walk.pictures);
    user.Then(
            "the main window", [] { return Window("frmMain"); },
            [&walk] {
                walk.shownId = ControlAs<QLabel>("frmMain", "Lb05")->text();
                Picture(walk.pictures, Window("frmMain"), "2-ventana-principal.png");
                Click(Control("frmMain", "Bt00"));
            })
        .Then(
            "the support form", [] { return Window("FrmExplica"); },
            [&walk] {
                Type(Control("FrmExplica", "Tx00"), walk.problem);
                Type(Control("FrmExplica", "Tx01"), walk.name);
                Type(Control("FrmExplica", "Tx02"), walk.phone);
                Picture(walk.pictures, Window("FrmExplica"), "3-solicitud.png");
                Click(Control("FrmExplica", "Bt00"));
            })
        .Then(
            "the request's answer", [] { return ShownMessageBox(); },
            [&walk] {
                QMessageBox* box = ShownMessageBox();
                walk.title = box->windowTitle();
                walk.message = box->text();
                walk.progress = ControlAs<QProgressBar>("FrmExplica", "Pb00")->text();
                const auto number = QRegularExpression("aviso (\\d+)$").match(walk.title);
                walk.number = number.hasMatch() ? number.captured(1) : QString();
                Picture(walk.pictures, box, "4-respuesta.png");
                Click(box->button(QMessageBox::Ok));
            })
        .Then(
            "the program's end", [] { return NoWindowShown(); }, [] {});
}

void WalkLookup(ScriptedUser& user, LookupWalk& walk) {
    AcceptTerms(user, {});
    user.Then(
            "the main window", [] { return Window("frmMain"); },
            [] { Click(Control("frmMain", "Lb10", 3)); })
        .Then(
            "the lookup dialog", [] { return Window("frmDialog"); },
            [&walk] {
                Type(Control("frmDialog", "Tx00"), walk.number);
                PressEnter(Control("frmDialog", "Tx00"));
            })
        .Then(
            "the incident's status",
            [] {
                QWidget* result = Control("frmDialog", "Lb01");
                return result && !result->property("markup").toString().isEmpty();
            },
            [&walk] {
                walk.markup = Control("frmDialog", "Lb01")->property("markup").toString();
                Picture(walk.pictures, Window("frmDialog"), "5-consulta.png");
                Window("frmMain")->close();
            })
        .Then(
            "the program's end", [] { return NoWindowShown(); }, [] {});
}

} // namespace driver
