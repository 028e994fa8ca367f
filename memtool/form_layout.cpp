#include "memtool/form_layout.h"

#include "memtool/links.h"

namespace mt {

const char* const kTabCaptions[kTabCount] = {"Memtidy", "Options", "Cache", kPromoTabCaption, "About"};

// The two long labels of the first tab end in spaces on purpose: they span
// their whole row so that hovering anywhere on it reaches them.
const ControlRow kFormControls[] = {
    {Ctl::PageControl1, "PageControl1", CtlKind::Tabs, -1, "", 0, 0, kClientWidth, kClientHeight, 0},

    {Ctl::Target, "Target", CtlKind::Label, 0, "Target Free RAM :", 16, 24, 0, 13, 0},
    {Ctl::Label18, "Label18", CtlKind::Label, 0, "", 112, 24, 80, 13, 0},
    {Ctl::RxSlider1, "RxSlider1", CtlKind::Slider, 0, "", 8, 40, kSliderWidth, kSliderHeight, 0},
    {Ctl::Minimum, "Minimum", CtlKind::Label, 0, "Minimum Free RAM :", 16, 72, 0, 13, 0},
    {Ctl::Label31, "Label31", CtlKind::Label, 0, "", 120, 72, 80, 13, 0},
    {Ctl::RxSlider2, "RxSlider2", CtlKind::Slider, 0, "", 8, 88, kSliderWidth, kSliderHeight, 0},
    {Ctl::CPUFree, "CPUFree", CtlKind::Label, 0, "Recover RAM if only the CPU usage below ", 16, 136, 0, 13, 0},
    {Ctl::RxSpinEdit7, "RxSpinEdit7", CtlKind::SpinEdit, 0, "", 232, 134, 49, 18, 0},
    {Ctl::Label23, "Label23", CtlKind::Label, 0, "% ", 288, 136, 0, 13, 0},
    {Ctl::TimeFree, "TimeFree", CtlKind::Label, 0,
     "Free up                                                                     ", 16, 176, 243, 13, 0},
    {Ctl::RxSpinEdit1, "RxSpinEdit1", CtlKind::SpinEdit, 0, "", 64, 174, 41, 18, 0},
    {Ctl::Label14, "Label14", CtlKind::Label, 0, "MB every", 112, 176, 0, 13, 0},
    {Ctl::RxSpinEdit2, "RxSpinEdit2", CtlKind::SpinEdit, 0, "", 168, 174, 41, 18, 0},
    {Ctl::Label15, "Label15", CtlKind::Label, 0, "minutes.", 216, 176, 0, 13, 0},
    {Ctl::PopMenu, "PopMenu", CtlKind::Label, 0,
     "Pop up menu free ups                                                                                 ",
     16, 216, 347, 13, 0},
    {Ctl::RxSpinEdit3, "RxSpinEdit3", CtlKind::SpinEdit, 0, "", 128, 214, 49, 18, 0},
    {Ctl::Label19, "Label19", CtlKind::Label, 0, "MB", 184, 216, 0, 13, 0},
    {Ctl::RxSpinEdit4, "RxSpinEdit4", CtlKind::SpinEdit, 0, "", 208, 214, 49, 18, 0},
    {Ctl::Label20, "Label20", CtlKind::Label, 0, "MB", 264, 216, 0, 13, 0},
    {Ctl::RxSpinEdit5, "RxSpinEdit5", CtlKind::SpinEdit, 0, "", 288, 214, 49, 18, 0},
    {Ctl::Label21, "Label21", CtlKind::Label, 0, "MB", 344, 216, 0, 13, 0},

    {Ctl::CheckBox2, "CheckBox2", CtlKind::CheckBox, 1, "Start automatically with Windows", 16, 32, 300, 17, 0},
    {Ctl::CheckBox3, "CheckBox3", CtlKind::CheckBox, 1, "Show available RAM level in the tray icon", 16, 56, 300, 17, 0},
    {Ctl::CheckBox1, "CheckBox1", CtlKind::CheckBox, 1, "Make a sound when freeing up RAM", 16, 80, 300, 17, 0},
    {Ctl::Edit1, "Edit1", CtlKind::Edit, 1, "", 34, 104, 231, 21, 0},
    {Ctl::SpeedButton1, "SpeedButton1", CtlKind::SpeedButton, 1, "", 266, 104, 23, 22, 0},

    {Ctl::Label3, "Label3", CtlKind::Label, 2, "Minimum Cache Size :", 16, 40, 0, 13, 0},
    {Ctl::Label16, "Label16", CtlKind::Label, 2, "0 kB", 128, 40, 100, 13, 0},
    {Ctl::RxSlider3, "RxSlider3", CtlKind::Slider, 2, "", 8, 56, kSliderWidth, kSliderHeight, 0},
    {Ctl::Label10, "Label10", CtlKind::Label, 2, "Maximum Cache Size  :", 16, 104, 0, 13, 0},
    {Ctl::Label17, "Label17", CtlKind::Label, 2, "0 kB", 136, 104, 100, 13, 0},
    {Ctl::RxSlider4, "RxSlider4", CtlKind::Slider, 2, "", 8, 120, kSliderWidth, kSliderHeight, 0},
    {Ctl::Label11, "Label11", CtlKind::Label, 2, "Chunk Size :", 16, 168, 0, 13, 0},
    {Ctl::Label30, "Label30", CtlKind::Label, 2, "0 kB", 80, 168, 100, 13, 0},
    {Ctl::RxSlider5, "RxSlider5", CtlKind::Slider, 2, "", 8, 184, kSliderWidth, kSliderHeight, 0},
    {Ctl::Button1, "Button1", CtlKind::Button, 2, "Automatic", 16, 226, 75, 25, 0},
    {Ctl::Button4, "Button4", CtlKind::Button, 2, "Default", 102, 226, 75, 25, 0},

    {Ctl::Label37, "Label37", CtlKind::Label, 3, kPromoHeading, 72, 24, 0, 16, kStyleNavy | kStyleBold},
    {Ctl::Label38, "Label38", CtlKind::Label, 3, kPromoLine1, 72, 56, 0, 13, 0},
    {Ctl::Label40, "Label40", CtlKind::Label, 3, kPromoLine2, 72, 72, 0, 13, 0},
    {Ctl::Label41, "Label41", CtlKind::Label, 3, kPromoLine3, 72, 88, 0, 13, 0},
    {Ctl::Image1, "Image1", CtlKind::Image, 3, kPromoImage, 16, 24, 32, 32, 0},
    {Ctl::Label39, "Label39", CtlKind::Link, 3, kPromoLinkCaption, 72, 120, 0, 13,
     kStyleNavy | kStyleUnderline},

    {Ctl::RxLabel1, "RxLabel1", CtlKind::Label, 4, "Memtidy SE", 16, 24, 0, 30, kStyleNavy | kStyleBold | kStyleBigFont},
    {Ctl::Label1, "Label1", CtlKind::Label, 4, "Version 2.0 ", 16, 56, 0, 13, kStyleNavy | kStyleBold},
    {Ctl::GroupBox4, "GroupBox4", CtlKind::GroupBox, 4, "", 16, 72, 353, 9, 0},
    {Ctl::Label22, "Label22", CtlKind::Label, 4, "Free Physical Memory :", 16, 96, 0, 13, 0},
    {Ctl::Label26, "Label26", CtlKind::Label, 4, "", 152, 96, 100, 13, 0},
    {Ctl::Label32, "Label32", CtlKind::Label, 4, "Total Physical Memory :", 16, 112, 0, 13, 0},
    {Ctl::Label24, "Label24", CtlKind::Label, 4, "", 152, 112, 100, 13, 0},
    {Ctl::Label33, "Label33", CtlKind::Label, 4, "Available Physical Memory :", 16, 128, 0, 13, 0},
    {Ctl::Label25, "Label25", CtlKind::Label, 4, "", 152, 128, 100, 13, 0},
    {Ctl::ProgressBar1, "ProgressBar1", CtlKind::ProgressBar, 4, "", 16, 152, 353, 16, 0},
    {Ctl::Label34, "Label34", CtlKind::Label, 4, "Free Paging File :", 16, 184, 0, 13, 0},
    {Ctl::Label29, "Label29", CtlKind::Label, 4, "", 128, 184, 100, 13, 0},
    {Ctl::Label35, "Label35", CtlKind::Label, 4, "Total Paging File :", 16, 200, 0, 13, 0},
    {Ctl::Label27, "Label27", CtlKind::Label, 4, "", 128, 200, 100, 13, 0},
    {Ctl::Label36, "Label36", CtlKind::Label, 4, "Available Paging File :", 16, 216, 0, 13, 0},
    {Ctl::Label28, "Label28", CtlKind::Label, 4, "", 128, 216, 100, 13, 0},
    {Ctl::ProgressBar2, "ProgressBar2", CtlKind::ProgressBar, 4, "", 16, 240, 353, 16, 0},
    {Ctl::Label6, "Label6", CtlKind::Label, 4, "Email :", 16, 280, 0, 13, 0},
    {Ctl::Label2, "Label2", CtlKind::Link, 4, kAuthorMailCaption, 56, 280, 0, 13, kStyleNavy | kStyleUnderline},
    {Ctl::Label7, "Label7", CtlKind::Label, 4, "Homepage : ", 16, 296, 0, 13, 0},
    {Ctl::Label13, "Label13", CtlKind::Link, 4, kAuthorHomeCaption, 80, 296, 0, 13, kStyleNavy | kStyleUnderline},
    {Ctl::Label12, "Label12", CtlKind::Label, 4, kAboutFooter, 16, 312, 0, 13, 0},

    // Over the tabs. The description lines come before their box so that
    // they lie above it; the box's mouse moves cover them.
    {Ctl::Label8, "Label8", CtlKind::Label, -1, "", 20 + 16, 280 + 24, 340, 13, kStylePassive},
    {Ctl::Label9, "Label9", CtlKind::Label, -1, "", 20 + 16, 280 + 40, 340, 13, kStylePassive},
    {Ctl::GroupBox5, "GroupBox5", CtlKind::GroupBox, -1, "Description", 20, 280, 365, 65, 0},
    {Ctl::Button2, "Button2", CtlKind::Button, -1, "Apply", 232, 352, 75, 25, 0},
    {Ctl::Button3, "Button3", CtlKind::Button, -1, "Cancel", 312, 352, 75, 25, 0},
};

const std::size_t kFormControlCount = sizeof kFormControls / sizeof kFormControls[0];

const ControlRow* findControl(Ctl id) {
  for (const ControlRow& row : kFormControls)
    if (row.id == id) return &row;
  return nullptr;
}

}  // namespace mt
