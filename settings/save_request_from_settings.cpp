#include "settings/save_request_from_settings.h"

namespace nimbrel {

SaveRequest saveRequestFromSettings(const SettingsValues& v)
{
    SaveRequest r;
    r.outputDir = v.text("OutputDir");
    r.saveBmp = v.boolean("chkSaveBMP");
    r.saveGif = v.boolean("chkSaveGIF");
    r.gifCompression = radioGroupIndex(v.integer("rgGIFCompression"), kGifCompressionItems);
    r.dithering = radioGroupIndex(v.integer("rgDithering"), kDitheringItems);
    r.colorReduction = radioGroupIndex(v.integer("rgColorReduction"), kColorReductionItems);
    r.reductionBits = radioGroupIndex(v.integer("rgColorReductionBits"), kReductionBitsItems);
    return r;
}

}  // namespace nimbrel
