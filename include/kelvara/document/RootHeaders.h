// The concrete headers of every root kind the document holds.
#pragma once
