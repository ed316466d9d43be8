#pragma once
// The captions of the tool and security pages in German, as the program's language file gives
// them (Windows-1252).

namespace guitest {

inline constexpr char kGermanPageCaptions[] =
    "[PAGETOOL]\r\n"
    "IDD_PAGE_TOOL=Werkzeug\r\n"
    "IDC_TP_COMMENT_CHECK=Bahnkommentar:\r\n"
    "IDC_TP_CDESC_CHECK=Beschreibung:\r\n"
    "IDC_TP_CUTTER_GB=Fr\xE4ser\r\n"
    "IDC_TP_TYPE_CHECK=Fr\xE4sertyp\r\n"
    "IDC_TP_TYPEBALL=Kugel\r\n"
    "IDC_TP_TYPEFLAT=Schaft\r\n"
    "IDC_TP_TYPEBULLNOSE=Torus\r\n"
    "IDC_TP_DIAM_LB=Durchmesser:\r\n"
    "IDC_TP_BRAD_LB=K\xF6rperradius:\r\n"
    "IDC_TP_CRAD_LB=Eckenradius:\r\n"
    "IDC_TP_CPPNUM_CHECK=Werkzeugnummer:\r\n"
    "IDC_TP_NCMACHINE_GB=NC-Maschinenparameter\r\n"
    "IDC_TP_FRRAPID_CHECK=Eilgangvorschub:\r\n"
    "IDC_TP_FRAPPROACH_CHECK=Anfahrvorschub:\r\n"
    "IDC_TP_FRCUT_CHECK=Schnittvorschub:\r\n"
    "IDC_TP_SPINDLE_CHECK=Spindeldrehzahl:\r\n"
    "IDC_TP_TOLERANCES_GB=Toleranzen\r\n"
    "IDC_TP_STOCK_CHECK=Aufma\xDF:\r\n"
    "IDC_TP_TOL_CHECK=Toleranz:\r\n"
    "IDC_TP_STEP_CHECK=Bahnabstand\r\n"
    "IDC_TP_STEP_AUTO=Automatisch\r\n"
    "IDC_TP_ZSTEP_GB=Z-Zustellung\r\n"
    "IDC_TP_DZSTEPTYPE_CHECK=Zustellungsart:\r\n"
    "IDC_TP_DZSTEPTYPE_NO=Keine Zustellung\r\n"
    "IDC_TP_DZSTEPTYPE_FIXED=Fest\r\n"
    "IDC_TP_DZSTEP_AUTO=Automatisch\r\n"
    "IDC_TP_DZSTEPTYPE_VARIABLE=Variabel\r\n"
    "[PAGEMACHINE]\r\n"
    "IDD_PAGE_MACHINING=Sicherheit\r\n"
    "IDC_TP_SECURITYDIST_GB=Sicherheitsabst\xE4nde\r\n"
    "IDC_TP_APPROACH_CHECK=Anfahrabstand:\r\n"
    "IDC_TP_RETRACT_CHECK=R\xFC"
    "ckzugsabstand:\r\n"
    "IDC_TP_LITYPE_CHECK=Eintauchart:\r\n"
    "IDC_TP_LITYPE_VERTICAL=Senkrecht\r\n"
    "IDC_TP_LITYPE_RAMP=Rampe\r\n"
    "IDC_TP_LITYPE_RADIAL=Radial\r\n"
    "IDC_TP_LITYPE_RAMP_ANGLE_LB=Rampenwinkel:\r\n"
    "IDC_TP_LITYPE_RADIAL_RADIUS_LB=Anfahrradius:\r\n"
    "IDC_TP_LITYPE_RADIAL_APPROACH=Radiales Anfahren\r\n"
    "IDC_TP_POCKETSEL_GB=Taschenauswahl\r\n"
    "IDC_TP_POCKETSEL_AUTO=Automatische Mindestbreite\r\n";

}  // namespace guitest
