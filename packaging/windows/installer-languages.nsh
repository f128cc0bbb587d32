; SPDX-License-Identifier: GPL-3.0-or-later
; The installer's and the uninstaller's own words in the languages the program speaks. NSIS shows the language of
; the system's user interface when it is one of these, else English (the first); its own pages come from NSIS's
; language files.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Dutch"

LangString CxRunning ${LANG_ENGLISH} "Cantorix2 is running. Close it (in every window and for every user signed in), then choose Retry."
LangString CxRunning ${LANG_GERMAN} "Cantorix2 läuft. Schließen Sie es (in jedem Fenster und für jeden angemeldeten Benutzer) und wählen Sie dann Wiederholen."
LangString CxRunning ${LANG_SPANISH} "Cantorix2 se está ejecutando. Ciérrelo (en todas las ventanas y para todos los usuarios que hayan iniciado sesión) y elija Reintentar."
LangString CxRunning ${LANG_PORTUGUESEBR} "O Cantorix2 está em execução. Feche-o (em todas as janelas e para todos os usuários conectados) e escolha Repetir."
LangString CxRunning ${LANG_FRENCH} "Cantorix2 est en cours d'exécution. Fermez-le (dans chaque fenêtre et pour chaque utilisateur connecté), puis choisissez Réessayer."
LangString CxRunning ${LANG_DUTCH} "Cantorix2 is actief. Sluit het (in elk venster en voor elke aangemelde gebruiker) en kies dan Opnieuw."

LangString Cx64Bit ${LANG_ENGLISH} "Cantorix2 needs a 64-bit Windows."
LangString Cx64Bit ${LANG_GERMAN} "Cantorix2 benötigt ein 64-Bit-Windows."
LangString Cx64Bit ${LANG_SPANISH} "Cantorix2 necesita un Windows de 64 bits."
LangString Cx64Bit ${LANG_PORTUGUESEBR} "O Cantorix2 precisa de um Windows de 64 bits."
LangString Cx64Bit ${LANG_FRENCH} "Cantorix2 nécessite un Windows 64 bits."
LangString Cx64Bit ${LANG_DUTCH} "Cantorix2 heeft een 64-bits Windows nodig."

LangString CxOpenWith ${LANG_ENGLISH} "Offer Cantorix2 in Open with for .txt files"
LangString CxOpenWith ${LANG_GERMAN} "Cantorix2 unter „Öffnen mit“ für .txt-Dateien anbieten"
LangString CxOpenWith ${LANG_SPANISH} "Ofrecer Cantorix2 en Abrir con para los archivos .txt"
LangString CxOpenWith ${LANG_PORTUGUESEBR} "Oferecer o Cantorix2 em Abrir com para arquivos .txt"
LangString CxOpenWith ${LANG_FRENCH} "Proposer Cantorix2 dans Ouvrir avec pour les fichiers .txt"
LangString CxOpenWith ${LANG_DUTCH} "Cantorix2 aanbieden bij Openen met voor .txt-bestanden"

LangString CxHymnFile ${LANG_ENGLISH} "Hymn file"
LangString CxHymnFile ${LANG_GERMAN} "Liederdatei"
LangString CxHymnFile ${LANG_SPANISH} "Archivo de himnos"
LangString CxHymnFile ${LANG_PORTUGUESEBR} "Arquivo de hinos"
LangString CxHymnFile ${LANG_FRENCH} "Fichier de cantiques"
LangString CxHymnFile ${LANG_DUTCH} "Liedbestand"
