// The keywords the program names in its code: the option keywords named in
// more than one place, the choice keywords its rules and tabs name, and the
// value words of its settings. Each constant is named by its own text
// (kw::VZCollate1 is the keyword "VZCollate1"), so that a misspelt name fails
// to compile; test_builtin_rules checks every option and choice constant
// against the stores built from the test printer descriptions (a new
// constant goes into its lists too). The strings are made once: passing or
// comparing them costs no allocation.
#pragma once

#include <QString>

namespace kw {

// Value words: the two choices of the program's own switches and of check
// boxes, the section options' "On"/"Off", the print-management switches'
// stored "ON"/"OFF", the unset fold or finishing choice "None", the section
// off value that writes nothing, and the keyword of an empty option.
inline const QString True = QStringLiteral("True");
inline const QString False = QStringLiteral("False");
inline const QString On = QStringLiteral("On");
inline const QString Off = QStringLiteral("Off");
inline const QString ON = QStringLiteral("ON");
inline const QString OFF = QStringLiteral("OFF");
inline const QString None = QStringLiteral("None");
inline const QString no_default = QStringLiteral("no_default");
inline const QString VNULL = QStringLiteral("VNULL");

// Options of the printer descriptions.
inline const QString BackCvrM = QStringLiteral("BackCvrM");
inline const QString BFpS = QStringLiteral("BFpS");
inline const QString BiFldB = QStringLiteral("BiFldB");
inline const QString CaCR = QStringLiteral("CaCR");
inline const QString CaColorSpace = QStringLiteral("CaColorSpace");
inline const QString CaHb = QStringLiteral("CaHb");
inline const QString CaHc = QStringLiteral("CaHc");
inline const QString CaHg = QStringLiteral("CaHg");
inline const QString CaHm = QStringLiteral("CaHm");
inline const QString CaHr = QStringLiteral("CaHr");
inline const QString CaHueMaster = QStringLiteral("CaHueMaster");
inline const QString CaHy = QStringLiteral("CaHy");
inline const QString CaMG = QStringLiteral("CaMG");
inline const QString CaYB = QStringLiteral("CaYB");
inline const QString Cabt = QStringLiteral("Cabt");
inline const QString Cact = QStringLiteral("Cact");
inline const QString Cadj = QStringLiteral("Cadj");
inline const QString Cast = QStringLiteral("Cast");
inline const QString CIE = QStringLiteral("CIE");
inline const QString Coll = QStringLiteral("Coll");
inline const QString ColorModel = QStringLiteral("ColorModel");
inline const QString Crep = QStringLiteral("Crep");
inline const QString CvrM = QStringLiteral("CvrM");
inline const QString Duplex = QStringLiteral("Duplex");
inline const QString FldA = QStringLiteral("FldA");
inline const QString FldB = QStringLiteral("FldB");
inline const QString FldC = QStringLiteral("FldC");
inline const QString FldD = QStringLiteral("FldD");
inline const QString Fold = QStringLiteral("Fold");
inline const QString GBTn = QStringLiteral("GBTn");
inline const QString InputSlot = QStringLiteral("InputSlot");
inline const QString JobName = QStringLiteral("JobName");
inline const QString Madj = QStringLiteral("Madj");
inline const QString MediaType = QStringLiteral("MediaType");
inline const QString Option01 = QStringLiteral("Option01");
inline const QString Option8 = QStringLiteral("Option8");
inline const QString Option17 = QStringLiteral("Option17");
inline const QString Option18 = QStringLiteral("Option18");
inline const QString Option19 = QStringLiteral("Option19");
inline const QString Option20 = QStringLiteral("Option20");
inline const QString Option21 = QStringLiteral("Option21");
inline const QString Option22 = QStringLiteral("Option22");
inline const QString Option23 = QStringLiteral("Option23");
inline const QString Option24 = QStringLiteral("Option24");
inline const QString Option25 = QStringLiteral("Option25");
inline const QString Option26 = QStringLiteral("Option26");
inline const QString Option27 = QStringLiteral("Option27");
inline const QString Option28 = QStringLiteral("Option28");
inline const QString OutputBin = QStringLiteral("OutputBin");
inline const QString PageRegion = QStringLiteral("PageRegion");
inline const QString PageSize = QStringLiteral("PageSize");
inline const QString Pmed = QStringLiteral("Pmed");
inline const QString Pnch = QStringLiteral("Pnch");
inline const QString RCM = QStringLiteral("RCM");
inline const QString Resolution = QStringLiteral("Resolution");
inline const QString Rotate = QStringLiteral("Rotate");
inline const QString Scnt = QStringLiteral("Scnt");
inline const QString Sep = QStringLiteral("Sep");
inline const QString Smoothing = QStringLiteral("Smoothing");
inline const QString Stpl = QStringLiteral("Stpl");
inline const QString Tmed = QStringLiteral("Tmed");
inline const QString Tnsv = QStringLiteral("Tnsv");
inline const QString Trap = QStringLiteral("Trap");
inline const QString VMoirePrevention = QStringLiteral("VMoirePrevention");
inline const QString VSCREENMODE = QStringLiteral("VSCREENMODE");
inline const QString VZBooklet = QStringLiteral("VZBooklet");
inline const QString VZCollate1 = QStringLiteral("VZCollate1");
inline const QString VZGlossmode = QStringLiteral("VZGlossmode");
inline const QString VZSuperWatermark = QStringLiteral("VZSuperWatermark");
inline const QString VqManagment = QStringLiteral("VqManagment");
inline const QString Wang = QStringLiteral("Wang");
inline const QString Wclr = QStringLiteral("Wclr");
inline const QString Wflg = QStringLiteral("Wflg");
inline const QString Wfnt = QStringLiteral("Wfnt");
inline const QString Wren = QStringLiteral("Wren");
inline const QString Wsze = QStringLiteral("Wsze");
inline const QString Wtrans = QStringLiteral("Wtrans");
inline const QString Wtxt = QStringLiteral("Wtxt");
inline const QString Wtyp = QStringLiteral("Wtyp");
inline const QString ZFldC = QStringLiteral("ZFldC");
inline const QString ZFldD = QStringLiteral("ZFldD");

// Options the program adds to a store (switches, print management).
inline const QString cBiFld = QStringLiteral("cBiFld");
inline const QString cCovBRad = QStringLiteral("cCovBRad");
inline const QString cCovBut = QStringLiteral("cCovBut");
inline const QString cCovPOBI = QStringLiteral("cCovPOBI");
inline const QString cCovPOBO = QStringLiteral("cCovPOBO");
inline const QString cCovPOFI = QStringLiteral("cCovPOFI");
inline const QString cCovPOFO = QStringLiteral("cCovPOFO");
inline const QString cCovTRad = QStringLiteral("cCovTRad");
inline const QString cCustomBox = QStringLiteral("cCustomBox");
inline const QString cEmail = QStringLiteral("cEmail");
inline const QString cEngrFld = QStringLiteral("cEngrFld");
inline const QString cHole = QStringLiteral("cHole");
inline const QString cInsBut = QStringLiteral("cInsBut");
inline const QString cInsPrnB = QStringLiteral("cInsPrnB");
inline const QString cInsPrnF = QStringLiteral("cInsPrnF");
inline const QString cIntBut = QStringLiteral("cIntBut");
inline const QString cIntPrn = QStringLiteral("cIntPrn");
inline const QString cJobAccount = QStringLiteral("cJobAccount");
inline const QString cJobName = QStringLiteral("cJobName");
inline const QString cJobStore = QStringLiteral("cJobStore");
inline const QString cMaxPassword = QStringLiteral("cMaxPassword");
inline const QString cPrivatePrint = QStringLiteral("cPrivatePrint");
inline const QString cStpl = QStringLiteral("cStpl");
inline const QString cSuper = QStringLiteral("cSuper");
inline const QString cTriFld = QStringLiteral("cTriFld");
inline const QString cTriFldZ = QStringLiteral("cTriFldZ");
inline const QString cUserLogin = QStringLiteral("cUserLogin");
inline const QString ePrivatePrint = QStringLiteral("ePrivatePrint");
inline const QString PQXColorMode = QStringLiteral("PQXColorMode");
inline const QString PQXDuplex = QStringLiteral("PQXDuplex");
inline const QString PQXToggle = QStringLiteral("PQXToggle");
inline const QString PQXTonsave = QStringLiteral("PQXTonsave");

// Choice keywords.
// The fold modes of FldA.
inline const QString Bifold = QStringLiteral("Bifold");
inline const QString Trifold = QStringLiteral("Trifold");
inline const QString Zfold = QStringLiteral("Zfold");
inline const QString EngrFold = QStringLiteral("EngrFold");
// The two-sided modes of Duplex.
inline const QString DuplexNoTumble = QStringLiteral("DuplexNoTumble");
inline const QString DuplexTumble = QStringLiteral("DuplexTumble");
// The colour models of ColorModel.
inline const QString CMYK = QStringLiteral("CMYK");
inline const QString RGB = QStringLiteral("RGB");
inline const QString Gray = QStringLiteral("Gray");
// The colours of Wclr that a grey colour model rules out.
inline const QString Red = QStringLiteral("Red");
inline const QString Green = QStringLiteral("Green");
inline const QString Blue = QStringLiteral("Blue");
// The bindings of VZBooklet.
inline const QString Left = QStringLiteral("Left");
inline const QString Right = QStringLiteral("Right");
// The inserter trays of the cover and insert media.
inline const QString Inserter1 = QStringLiteral("Inserter1");
inline const QString Inserter2 = QStringLiteral("Inserter2");
// The storage mode of VZCollate1 and the words the settings store for
// private print and for a custom box.
inline const QString JobStorage = QStringLiteral("JobStorage");
inline const QString Custom1 = QStringLiteral("Custom1");
inline const QString Custom2 = QStringLiteral("Custom2");
// The account mode of VqManagment without an account ID.
inline const QString Default = QStringLiteral("Default");
// The custom page size.
inline const QString Custom = QStringLiteral("Custom");
// The application-defined job name of JobName; also the stored e-mail
// notification that is off.
inline const QString off = QStringLiteral("off");

} // namespace kw
