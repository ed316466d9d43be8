#pragma once
// The captions of the tool and security pages in English and German, as the program's language
// file gives them (Windows-1252).

namespace guitest {

inline constexpr char kEnglishPageCaptions[] =
    "[PAGETOOL]\r\nIDD_PAGE_TOOL=Tool\r\nIDC_TP_COMMENT_CHECK=Toolpath Comment:\r\n"
    "IDC_TP_CDESC_CHECK=Description:\r\nIDC_TP_CUTTER_GB=Cutter\r\n"
    "IDC_TP_TYPE_CHECK=Cutter Type\r\nIDC_TP_TYPEBALL=Ball\r\nIDC_TP_TYPEFLAT=Flat\r\n"
    "IDC_TP_TYPEBULLNOSE=Bullnose\r\nIDC_TP_DIAM_LB=Diameter:\r\n"
    "IDC_TP_BRAD_LB=Body Radius:\r\nIDC_TP_CRAD_LB=Corner Radius:\r\n"
    "IDC_TP_CPPNUM_CHECK=Tool Number:\r\nIDC_TP_NCMACHINE_GB=NC Machine Parameters\r\n"
    "IDC_TP_FRRAPID_CHECK=Rapid Feedrate:\r\nIDC_TP_FRAPPROACH_CHECK=Approach Feedrate:\r\n"
    "IDC_TP_FRCUT_CHECK=Cutting Feedrate:\r\nIDC_TP_SPINDLE_CHECK=Spindle Speed:\r\n"
    "IDC_TP_TOLERANCES_GB=Tolerances\r\nIDC_TP_STOCK_CHECK=Stock allowance:\r\n"
    "IDC_TP_TOL_CHECK=Tolerance:\r\nIDC_TP_STEP_CHECK=Stepover\r\nIDC_TP_STEP_AUTO=Auto\r\n"
    "IDC_TP_ZSTEP_GB=Z-Step\r\nIDC_TP_DZSTEPTYPE_CHECK=Z-Step Type:\r\n"
    "IDC_TP_DZSTEPTYPE_NO=No Z-Step\r\nIDC_TP_DZSTEPTYPE_FIXED=Fixed\r\n"
    "IDC_TP_DZSTEPTYPE_VARIABLE=Variable\r\nIDC_TP_DZSTEP_AUTO=Auto\r\n[PAGEMACHINE]\r\n"
    "IDD_PAGE_MACHINING=Security\r\nIDC_TP_SECURITYDIST_GB=Security Distances\r\n"
    "IDC_TP_APPROACH_CHECK=Approach:\r\nIDC_TP_RETRACT_CHECK=Retract:\r\n"
    "IDC_TP_LITYPE_CHECK=Lead-In Type:\r\nIDC_TP_LITYPE_VERTICAL=Vertical\r\n"
    "IDC_TP_LITYPE_RAMP=Ramp\r\nIDC_TP_LITYPE_RADIAL=Radial\r\n"
    "IDC_TP_LITYPE_RAMP_ANGLE_LB=Ramp Angle:\r\n"
    "IDC_TP_LITYPE_RADIAL_RADIUS_LB=Radial Radius:\r\n"
    "IDC_TP_LITYPE_RADIAL_APPROACH=Radial Approach\r\nIDC_TP_POCKETSEL_GB=Pocket Selection\r\n"
    "IDC_TP_POCKETSEL_AUTO=Auto Minimum Width\r\n";

inline constexpr char kGermanPageCaptions[] =
    "[PAGETOOL]\r\nIDD_PAGE_TOOL=Werkzeug\r\nIDC_TP_COMMENT_CHECK=Bahnkommentar:\r\n"
    "IDC_TP_CDESC_CHECK=Beschreibung:\r\nIDC_TP_CUTTER_GB=Fr\xE4ser\r\n"
    "IDC_TP_TYPE_CHECK=Fr\xE4sertyp\r\nIDC_TP_TYPEBALL=Kugel\r\nIDC_TP_TYPEFLAT=Schaft\r\n"
    "IDC_TP_TYPEBULLNOSE=Torus\r\nIDC_TP_DIAM_LB=Durchmesser:\r\n"
    "IDC_TP_BRAD_LB=K\xF6rperradius:\r\nIDC_TP_CRAD_LB=Eckenradius:\r\n"
    "IDC_TP_CPPNUM_CHECK=Werkzeugnummer:\r\nIDC_TP_NCMACHINE_GB=NC-Maschinenparameter\r\n"
    "IDC_TP_FRRAPID_CHECK=Eilgangvorschub:\r\nIDC_TP_FRAPPROACH_CHECK=Anfahrvorschub:\r\n"
    "IDC_TP_FRCUT_CHECK=Schnittvorschub:\r\nIDC_TP_SPINDLE_CHECK=Spindeldrehzahl:\r\n"
    "IDC_TP_TOLERANCES_GB=Toleranzen\r\nIDC_TP_STOCK_CHECK=Aufma\xDF:\r\n"
    "IDC_TP_TOL_CHECK=Toleranz:\r\nIDC_TP_STEP_CHECK=Bahnabstand\r\n"
    "IDC_TP_STEP_AUTO=Automatisch\r\nIDC_TP_ZSTEP_GB=Z-Zustellung\r\n"
    "IDC_TP_DZSTEPTYPE_CHECK=Zustellungsart:\r\nIDC_TP_DZSTEPTYPE_NO=Keine Zustellung\r\n"
    "IDC_TP_DZSTEPTYPE_FIXED=Fest\r\nIDC_TP_DZSTEP_AUTO=Automatisch\r\n"
    "IDC_TP_DZSTEPTYPE_VARIABLE=Variabel\r\n[PAGEMACHINE]\r\nIDD_PAGE_MACHINING=Sicherheit\r\n"
    "IDC_TP_SECURITYDIST_GB=Sicherheitsabst\xE4nde\r\nIDC_TP_APPROACH_CHECK=Anfahrabstand:\r\n"
    "IDC_TP_RETRACT_CHECK=R\xFC"
    "ckzugsabstand:\r\nIDC_TP_LITYPE_CHECK=Eintauchart:\r\n"
    "IDC_TP_LITYPE_VERTICAL=Senkrecht\r\nIDC_TP_LITYPE_RAMP=Rampe\r\n"
    "IDC_TP_LITYPE_RADIAL=Radial\r\nIDC_TP_LITYPE_RAMP_ANGLE_LB=Rampenwinkel:\r\n"
    "IDC_TP_LITYPE_RADIAL_RADIUS_LB=Anfahrradius:\r\n"
    "IDC_TP_LITYPE_RADIAL_APPROACH=Radiales Anfahren\r\nIDC_TP_POCKETSEL_GB=Taschenauswahl\r\n"
    "IDC_TP_POCKETSEL_AUTO=Automatische Mindestbreite\r\n";

}  // namespace guitest
