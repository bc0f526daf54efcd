#pragma once
// Application-wide settings: title, font, Russian texts of the toolkit.
// Needs the application object.
void SetUpApplication();

// Creates every window once, in the program's fixed order: each window's
// reference is set first, then its creation handler runs. A failing
// creation handler is reported and start-up goes on with the next window.
void CreateForms();
// Destroys every window and resets the program-wide state (used by tests).
void DestroyForms();
