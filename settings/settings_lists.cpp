#include "settings/settings_lists.h"

#include "settings/settings_store.h"

namespace nimbrel {

std::vector<std::string> mainWindowBooleans()
{
    return {
        "chkFixedWidth=0",  "chkFixedHeight=1", "chkBMPBackground=0", "chkSaveBMP=1",
        "chkSaveGIF=1",     "chkUnderlined=0",  "chkAutoFilename=1",  "chkSpaceToUnderscore=1",
        "chkLowercase=1",   "chkBMPEnabled1=0", "chkBMPEnabled2=0",   "chkBMPEnabled3=0",
        "chkBMPEnabled4=0",
    };
}

std::vector<std::string> mainWindowIntegers()
{
    return {
        "ButtonSizeWidth=16",
        "ButtonSizeHeight=32",
        "ButtonBorderLeft=1",
        "ButtonBorderRight=1",
        "ButtonBorderTop=1",
        "ButtonBorderBottom=1",
        "ButtonColor=$00C08000",
        "ButtonBorderColorLeft=$00804000",
        "ButtonBorderColorRight=$00804000",
        "ButtonBorderColorTop=$00804000",
        "ButtonBorderColorBottom=$00804000",
        "tbZoom=1",
        "pnlBackground=$00808080",
        "rgGIFCompression=1",
        "rgDithering=0",
        "rgColorReduction=5",
        "rgColorReductionBits=6",
        "FontSize=8",
        "FontStyle=0",
        "FontColor=$00FFFFFF",
        "MinorX=0",
        "MinorY=0",
        "FontAlign=0",
        "BMPAlign1=0",
        "BMPAlign2=1",
        "BMPAlign3=2",
        "BMPAlign4=3",
        "cmbAntiAlias=0",
    };
}

std::vector<std::string> mainWindowStrings()
{
    return {
        "FontName=Arial", "BMPFilename1=", "BMPFilename2=", "BMPFilename3=", "BMPFilename4=", "StyleDir=",
        "CaptionDir=",    "OutputDir=",    "edtCaption=",   "edtFilename=",  "edtPrefix=",    "edtSuffix=",
    };
}

void configureMainWindowSettings(SettingsStore& store)
{
    store.fileName = kSettingsFileName;
    store.sectionPrefix.clear();
    store.inAppFolder = true;
    store.booleans = mainWindowBooleans();
    store.floats.clear();
    store.integers = mainWindowIntegers();
    store.strings = mainWindowStrings();
}

}  // namespace nimbrel
