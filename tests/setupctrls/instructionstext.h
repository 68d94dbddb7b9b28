#ifndef INSTRUCTIONSTEXT_H
#define INSTRUCTIONSTEXT_H

#include <QByteArray>

// The instructions window's rich text with the main window's values
// (company "KELDO", card "QRV-PIN-40", a series, several ports, no cards
// list), written out byte for byte.
inline const QByteArray InstructionsText =
    R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
    R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;\red255\green64\blue64;})"
    R"(\viewkind4\uc1\pard\f0\fs32\cf0)" "\r\n"
    R"({\b KELDO QRV-PIN-40 Series Settings Program}\par\par\fs24)" "\r\n"
    R"(This program will help you configure the option jumpers and settings associated with this product. )"
    R"(You should have the product in-hand when first using this program.\par\par)" "\r\n"
    R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and switches.\par\par)" "\r\n"
    R"({\cf2\fs24\b Blue circles} are informational only. They provide information on standard and )"
    R"(optional features of the product family.\par\par)" "\r\n"
    R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that require actually )"
    R"(controlling the hardware device. Run this settings program again once the card is installed. )"
    R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this program, then )"
    R"(perform the {\cf3 calibration circles}.\par\par)" "\r\n"
    R"(Mouse over the highlight circles to see configuration or information popups for {\cf1 setup}, )"
    R"({\cf2 features}, and {\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. )"
    R"(You can have all or as many of these popups onscreen at the same time as you desire.\par\par)" "\r\n"
    R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the configuration )"
    R"(options for each port are handled identically; this program only shows the setup once, but you )"
    R"(need to perform this setup for each group of options on your device.\par\par)" "\r\n"
    R"(})";

#endif
