#pragma once
// The captions of the property pages in English and German, as the program's language file
// gives them (Windows-1252).

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

// The captions of the three Fedrix pages and the units in German.
inline constexpr char kGermanFedrixCaptions[] =
    "[PAGEFEDRIXOPTIMIZE]\r\nIDD_PAGE_FEDRIX_OPTIMIZE=Optimierung\r\n"
    "IDC_FEDRIX_OPTIMIZE_FEEDRATES=Vorsch\xFC"
    "be optimieren\r\nIDC_FEDRIX_FEEDRATE_LB=Vorschub:\r\n"
    "IDC_FEDRIX_DEPTH_LB=Schnitttiefe:\r\nIDC_FEDRIX_MAXCUTHEIGHT_LB=Maximale Schneidenh\xF6he:\r\n"
    "[PAGEFEDRIXADVANCED]\r\nIDD_PAGE_FEDRIX_ADVANCED=Erweitert 1\r\n"
    "IDC_FEDRIX_PLUNGE_GB=Eintauchen\r\n"
    "IDC_FEDRIX_PLUNGE_CONT_ADAPT=Stetige Anpassung des Vorschubs\r\n"
    "IDC_FEDRIX_PLUNGE_PREDEF_FEEDRATE=Vorgegebener Vorschub\r\n"
    "IDC_FEDRIX_PLUNGE_ANGLE_LB=Winkel:\r\nIDC_FEDRIX_PLUNGE_FACTOR_LB=Faktor:\r\n"
    "IDC_FEDRIX_RAMP_ANGLE_LB=Startwinkel:\r\nIDC_FEDRIX_RAMP_FEEDRATE_LB=Vorschub:\r\n"
    "IDC_FEDRIX_DRAG_GB=Ziehender Schnitt\r\nIDC_FEDRIX_DRAG_ANGLE_LB=Winkel:\r\n"
    "IDC_FEDRIX_DRAG_FACTOR_LB=Faktor:\r\nIDC_FEDRIX_UNSYMMETRY_GB=Asymmetrie\r\n"
    "IDC_FEDRIX_UNSYMMETRY_LB=Faktor:\r\nIDC_FEDRIX_CLIMB_FACTOR_GB=Gleichlauf\r\n"
    "IDC_FEDRIX_CLIMB_FACTOR_LB=Faktor:\r\n"
    "[PAGEFEDRIXADVANCED2]\r\nIDD_PAGE_FEDRIX_ADVANCED2=Erweitert 2\r\n"
    "IDC_FEDRIX_ENTANG_GB=Umschlingung\r\nIDC_FEDRIX_ENTANG_ANGLE_LB=Winkel:\r\n"
    "IDC_FEDRIX_ENTANG_FACTOR_LB=Faktor:\r\nIDC_FEDRIX_AIRCUT_GB=Luftschnitt-Optimierung\r\n"
    "IDC_FEDRIX_AIRCUT_OPTIMIZE=Luftschnitte "
    "optimieren\r\nIDC_FEDRIX_AIRCUT_FEEDRATE_LB=Vorschub:\r\n"
    "IDC_FEDRIX_RETRACT_GB=Optimierung der Verbindungswege\r\n"
    "IDC_FEDRIX_RETRACT_OPTIMIZE=Verbindungswege optimieren:\r\n"
    "IDC_FEDRIX_RETRACT_STOCKDIST_LB=Abstand zur Fl\xE4"
    "che:\r\nIDC_FEDRIX_SPINDLE_GB=Anpassung der Spindeldrehzahl\r\n"
    "IDC_FEDRIX_SPINDLE_OPTIMIZE=Spindeldrehzahl anpassen\r\n"
    "IDC_FEDRIX_SPINDLE_FEEDRATE_LB=Vorschub pro Zahn:\r\n"
    "IDC_FEDRIX_SPINDLE_TEETH_LB=Anzahl Z\xE4hne:\r\n[UNITS]\r\nIDC_DEGREE=Grad\r\n";

}  // namespace guitest
