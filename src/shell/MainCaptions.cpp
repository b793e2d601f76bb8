#include "shell/MainCaptions.h"

const QList<MenuCaption> &MainMenuCaptions()
{
    static const QList<MenuCaption> captions = {
        {QStringLiteral("mnuFile"), QStringLiteral("&File"), QStringLiteral("Αρχείο")},
        {QStringLiteral("mnuEdit"), QStringLiteral("&Input"), QStringLiteral("Δεδομένα")},
        {QStringLiteral("mnuUtil"), QStringLiteral("&Utilities"), QStringLiteral("Εργαλεία")},
        {QStringLiteral("mnuHelp"), QStringLiteral("&Help"), QStringLiteral("Βοήθεια")},

        {QStringLiteral("mnuEditItem_0"), QStringLiteral("Project Description"), QStringLiteral("Περιγραφή ")},
        {QStringLiteral("mnuEditItem_1"), QStringLiteral("Burden Calculations"), QStringLiteral("Υπολογισμός Φορτίου")},
        {QStringLiteral("mnuEditItem_2"), QStringLiteral("Blast Calculations"),
         QStringLiteral("Υπολογισμός Παραμέτρων Ανατίναξης")},
        {QStringLiteral("mnuEditItem_3"), QStringLiteral("Vibrations"), QStringLiteral("Δονήσεις")},
        {QStringLiteral("mnuFortioItem_0"), QStringLiteral("Empirical Equation by Anderson"),
         QStringLiteral("Εμπειρική Εξίσωση του Anderson")},
        {QStringLiteral("mnuFortioItem_1"), QStringLiteral("Empirical Equation by Ash"),
         QStringLiteral("Εμπειρική Εξίσωση του Ash")},
        {QStringLiteral("mnuFortioItem_2"), QStringLiteral("Empirical Equation by Fraenkel"),
         QStringLiteral("Εμπειρική Εξίσωση του Fraenkel")},
        {QStringLiteral("mnuFortioItem_3"), QStringLiteral("Empirical Equation by Konya"),
         QStringLiteral("Εμπειρική Εξίσωση του Konya")},
        {QStringLiteral("mnuFortioItem_4"), QStringLiteral("Empirical Equation by Langefors"),
         QStringLiteral("Εμπειρική Εξίσωση του Langefors")},
        {QStringLiteral("mnuFortioItem_5"), QStringLiteral("Empirical Equation by Pearse"),
         QStringLiteral("Εμπειρική Εξίσωση του Pearse")},
        {QStringLiteral("mnuFortioItem_6"), QStringLiteral("Empirical Equation by Jimeno"),
         QStringLiteral("Εμπειρική Εξίσωση του Jimeno")},
        {QStringLiteral("mnuDonisiItem_0"), QStringLiteral("Vibration Control"), QStringLiteral("Έλεγχος Δονήσεων")},
        {QStringLiteral("mnuDonisiItem_1"), QStringLiteral("Vibration Calculations"),
         QStringLiteral("Υπολογισμός Δονήσεων")},

        {QStringLiteral("mnuFileItem_0"), QStringLiteral("&New"), QStringLiteral("Νέο")},
        {QStringLiteral("mnuFileItem_1"), QStringLiteral("&Open..."), QStringLiteral("Άνοιγμα...")},
        {QStringLiteral("mnuFileItem_2"), QStringLiteral("&Save"), QStringLiteral("Αποθήκευση")},
        {QStringLiteral("mnuFileItem_3"), QStringLiteral("&Save As..."), QStringLiteral("Αποθήκευση ως...")},
        {QStringLiteral("mnuFileItem_5"), QStringLiteral("&Printer Setup..."), QStringLiteral("Ρύθμιση Εκτύπωτη")},
        {QStringLiteral("mnuFileItem_6"), QStringLiteral("&Print"), QStringLiteral("Εκτύπωση")},
        {QStringLiteral("mnuFileItem_7"), QStringLiteral("&Print Preview..."),
         QStringLiteral("Προεπισκόπιση Εκτύπωσης...")},
        {QStringLiteral("mnuFileItem_9"), QStringLiteral("&Browse..."), QStringLiteral("Επισκόπιση Αρχείων...")},
        {QStringLiteral("mnuFileItem_11"), QStringLiteral("&Exit"), QStringLiteral("Έξοδος")},

        {QStringLiteral("mnuUtilItem_0"), QStringLiteral("Settings"), QStringLiteral("Γενικές Ρυθμίσεις")},
        {QStringLiteral("mnuUtilItem_1"), QStringLiteral("Options"), QStringLiteral("Ειδικές Ρυθμίσεις")},
        {QStringLiteral("mnuUtilItem_2"), QStringLiteral("Unit Conversion"), QStringLiteral("Μετατροπή Μονάδων")},
        {QStringLiteral("mnuUtilItem_3"), QStringLiteral("File Conversion"), QStringLiteral("Μετατροπή Αρχείου")},
        {QStringLiteral("mnuUtilItem_5"), QStringLiteral("Clear History Window"), QStringLiteral("Καθάρισμα Ιστορικού")},
        {QStringLiteral("mnuUtilItem_6"), QStringLiteral("Close History Window"), QStringLiteral("Κλείσιμο Ιστορικού")},
        {QStringLiteral("mnuUtilItem_7"), QStringLiteral("Copy History Window"), QStringLiteral("Αντιγραφή Ιστορικού")},

        {QStringLiteral("mnuHelpItem_0"), QStringLiteral("Contents"), QStringLiteral("Περιεχόμενα")},
        {QStringLiteral("mnuHelpItem_1"), QStringLiteral("Search for Help"), QStringLiteral("Εύρεση Λήμματος")},
        {QStringLiteral("mnuHelpItem_2"), QStringLiteral("Help in PDF Format"), QStringLiteral("Βοήθεια σε PDF")},
        {QStringLiteral("mnuHelpItem_4"), QStringLiteral("Resource Files"), QStringLiteral("Βοηθητικά Αρχεία")},
        {QStringLiteral("mnuHelpItem_6"), QStringLiteral("Disclaimer"), QStringLiteral("Συμφωνία Χρήσης")},
        {QStringLiteral("mnuHelpItem_8"), QStringLiteral("Program Updates"), QStringLiteral("Ανανέωση Προγράμματος")},
        {QStringLiteral("mnuHelpItem_10"), QStringLiteral("About the Program"), QStringLiteral("Για το Πρόγραμμα")},
    };
    return captions;
}

QString HistoryToggleCaption(bool paneVisible, bool english)
{
    if (english)
        return paneVisible ? QStringLiteral("Close History &Window") : QStringLiteral("Restore History &Window");
    return paneVisible ? QStringLiteral("Κλείσιμο Ιστορικού") : QStringLiteral("Επαναφορά Ιστορικού");
}
