#include "settings/save_request_from_settings.h"

#include "settings/control_values.h"
#include "settings/gif_radio_groups.h"

namespace nimbrel {

SaveRequest saveRequestFromSettings(const SettingsValues& v)
{
    auto index = [&v](const std::string& key) { return static_cast<int>(controlNumber(v, key)); };
    SaveRequest r;
    r.outputDir = v.text("OutputDir");
    r.saveBmp = v.boolean("chkSaveBMP");
    r.saveGif = v.boolean("chkSaveGIF");
    r.savePng = v.boolean("chkSavePNG");
    r.transparent = v.boolean("chkTransparent");
    r.transparentColor = static_cast<Color>(controlNumber(v, "TransparentColor"));
    r.scales = {1};
    if (v.boolean("chkSave2x")) r.scales.push_back(2);
    if (v.boolean("chkSave3x")) r.scales.push_back(3);
    r.gifCompression = gifCompressionAt(index("rgGIFCompression"));
    r.dithering = ditherMethodAt(index("rgDithering"));
    r.colorReduction = colorReductionAt(index("rgColorReduction"));
    r.reductionBits = reductionBitsAt(index("rgColorReductionBits"));
    return r;
}

}  // namespace nimbrel
