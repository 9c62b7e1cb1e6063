// Holds the compiled-in pictures of the game (the resources are attached to this library).
