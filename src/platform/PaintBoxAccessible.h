#pragma once

// Painted boxes that say what they show (PaintBox::SetSpeech) answer assistive clients through accessible objects
// made by a factory when a client first asks, never before. Installing the factory costs nothing else; it is done
// once, by the first box given a speech.
void InstallPaintBoxAccessibility();
